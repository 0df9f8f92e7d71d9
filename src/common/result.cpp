#include "common/result.h"

namespace quorlen {

const char* toString(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::NotFound: return "not found";
    case ErrorKind::Unreadable: return "unreadable";
    case ErrorKind::EndOfFile: return "end of file";
    case ErrorKind::NotANumber: return "not a number";
    case ErrorKind::OutOfRange: return "out of range";
    case ErrorKind::NotABoolean: return "not a Boolean";
    case ErrorKind::WriteFailed: return "write failed";
    case ErrorKind::Refused: return "refused";
    case ErrorKind::Invalid: return "invalid";
  }
  return "unknown";
}

}  // namespace quorlen
