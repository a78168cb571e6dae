// Leak-checker suppressions for sanitizer builds of the tests: allocations the system font
// library keeps for the life of the process (its configuration cache) are not ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
