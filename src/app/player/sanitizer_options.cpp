// Sanitizer settings for the programs that run on SDL, in the sanitized
// build only (the symbols are looked up by the sanitizer run time and do
// nothing elsewhere).
//
// SDL loads the X11, EGL and driver libraries at run time and unloads them
// when it quits; their caches then show up at exit as leaks from frames the
// leak checker can no longer name, so no suppression can match them. Leak
// checking stays on for every program that does not start SDL (all the
// game code runs under it there); here memory errors and undefined
// behaviour are what the sanitized build checks.
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
