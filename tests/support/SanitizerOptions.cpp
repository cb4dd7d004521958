// Sanitizer defaults of the test program, so that a plain `ctest` in a
// sanitizer build fails on any report just as scripts/test.sh does.
// (The environment's ASAN_OPTIONS / UBSAN_OPTIONS still override them.)

#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=1:halt_on_error=1:abort_on_error=1:detect_stack_use_after_return=1";
}

extern "C" const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}
#endif
