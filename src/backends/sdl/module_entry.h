#pragma once
// How a module of the player shows its entry points, the only symbols it
// shows (its own code is built with hidden visibility).

#if defined(_WIN32)
#define QUORLEN_MODULE_ENTRY extern "C" __declspec(dllexport)
#else
#define QUORLEN_MODULE_ENTRY extern "C" __attribute__((visibility("default")))
#endif
