#pragma once
// The media interface's result numbers. The game compares them with the
// numbers the original interface answers, so they keep that numbering:
// errors start at 256 and every name below is base + offset.

namespace quorlen::backends {

inline constexpr int kMediaOk = 0;

inline constexpr int kMediaErrBase = 256;
inline constexpr int kMediaErrInvalidDeviceId = kMediaErrBase + 1;        // 257
inline constexpr int kMediaErrUnrecognizedKeyword = kMediaErrBase + 3;    // 259
inline constexpr int kMediaErrUnrecognizedCommand = kMediaErrBase + 5;    // 261
inline constexpr int kMediaErrHardware = kMediaErrBase + 6;               // 262
inline constexpr int kMediaErrInvalidDeviceName = kMediaErrBase + 7;      // 263: not open / unknown
inline constexpr int kMediaErrOutOfMemory = kMediaErrBase + 8;            // 264
inline constexpr int kMediaErrDeviceOpen = kMediaErrBase + 9;             // 265
inline constexpr int kMediaErrCannotLoadDriver = kMediaErrBase + 10;      // 266
inline constexpr int kMediaErrMissingCommandString = kMediaErrBase + 11;  // 267
inline constexpr int kMediaErrParamOverflow = kMediaErrBase + 12;         // 268
inline constexpr int kMediaErrMissingStringArgument = kMediaErrBase + 13; // 269
inline constexpr int kMediaErrBadInteger = kMediaErrBase + 14;            // 270
inline constexpr int kMediaErrParserInternal = kMediaErrBase + 15;        // 271
inline constexpr int kMediaErrDriverInternal = kMediaErrBase + 16;        // 272
inline constexpr int kMediaErrMissingParameter = kMediaErrBase + 17;      // 273
inline constexpr int kMediaErrUnsupportedFunction = kMediaErrBase + 18;   // 274
inline constexpr int kMediaErrFileNotFound = kMediaErrBase + 19;          // 275
inline constexpr int kMediaErrDeviceNotReady = kMediaErrBase + 20;        // 276
inline constexpr int kMediaErrInternal = kMediaErrBase + 21;              // 277
inline constexpr int kMediaErrDriver = kMediaErrBase + 22;                // 278
inline constexpr int kMediaErrCannotUseAll = kMediaErrBase + 23;          // 279
inline constexpr int kMediaErrMultiple = kMediaErrBase + 24;              // 280
inline constexpr int kMediaErrExtensionNotFound = kMediaErrBase + 25;     // 281
inline constexpr int kMediaErrOutOfRange = kMediaErrBase + 26;            // 282
inline constexpr int kMediaErrFlagsNotCompatible = kMediaErrBase + 28;    // 284
inline constexpr int kMediaErrFileNotSaved = kMediaErrBase + 30;          // 286
inline constexpr int kMediaErrDeviceTypeRequired = kMediaErrBase + 31;    // 287
inline constexpr int kMediaErrDeviceLocked = kMediaErrBase + 32;          // 288
inline constexpr int kMediaErrDuplicateAlias = kMediaErrBase + 33;        // 289
inline constexpr int kMediaErrBadConstant = kMediaErrBase + 34;           // 290
inline constexpr int kMediaErrMustUseShareable = kMediaErrBase + 35;      // 291
inline constexpr int kMediaErrMissingDeviceName = kMediaErrBase + 36;     // 292
inline constexpr int kMediaErrBadTimeFormat = kMediaErrBase + 37;         // 293
inline constexpr int kMediaErrNoClosingQuote = kMediaErrBase + 38;        // 294
inline constexpr int kMediaErrDuplicateFlags = kMediaErrBase + 39;        // 295
inline constexpr int kMediaErrInvalidFile = kMediaErrBase + 40;           // 296: wrong format
inline constexpr int kMediaErrNullParameterBlock = kMediaErrBase + 41;    // 297
inline constexpr int kMediaErrUnnamedResource = kMediaErrBase + 42;       // 298
inline constexpr int kMediaErrNewRequiresAlias = kMediaErrBase + 43;      // 299
inline constexpr int kMediaErrNotifyOnAutoOpen = kMediaErrBase + 44;      // 300
inline constexpr int kMediaErrNoElementAllowed = kMediaErrBase + 45;      // 301
inline constexpr int kMediaErrNonapplicableFunction = kMediaErrBase + 46; // 302
inline constexpr int kMediaErrIllegalForAutoOpen = kMediaErrBase + 47;    // 303
inline constexpr int kMediaErrFilenameRequired = kMediaErrBase + 48;      // 304
inline constexpr int kMediaErrExtraCharacters = kMediaErrBase + 49;       // 305
inline constexpr int kMediaErrDeviceNotInstalled = kMediaErrBase + 50;    // 306
inline constexpr int kMediaErrNoInteger = kMediaErrBase + 56;             // 312
inline constexpr int kMediaErrWaveOutputsInUse = kMediaErrBase + 64;      // 320
inline constexpr int kMediaErrWaveOutputsUnsuitable = kMediaErrBase + 70; // 326
inline constexpr int kMediaErrSeqPortInUse = kMediaErrBase + 81;          // 337
inline constexpr int kMediaErrSeqNoMidiPresent = kMediaErrBase + 87;      // 343
inline constexpr int kMediaErrNoWindow = kMediaErrBase + 90;              // 346
inline constexpr int kMediaErrCreateWindow = kMediaErrBase + 91;          // 347
inline constexpr int kMediaErrFileRead = kMediaErrBase + 92;              // 348
inline constexpr int kMediaErrFileWrite = kMediaErrBase + 93;             // 349

}  // namespace quorlen::backends
