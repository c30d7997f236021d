// A library that is not a plug-in: it lacks the entry points the host asks for.

extern "C" __attribute__((visibility("default"))) int LibVersion()
{
    return 0;
}
