// Runs a Python script of Debian's interpreter (where python3-openpyxl and python3-docx live) on
// a file and returns what the script wrote to its output file: the independent reader of the
// office file tests.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ScratchDir.h"
#include "platform/sys/Process.h"

namespace officetest {

inline constexpr const char* kPython = "/usr/bin/python3";

// Runs script with argv[1] = input and argv[2] = an output file; the output's content, or a
// failure of the calling test when the script did not end well.
inline std::string RunPythonReader(const testsupport::ScratchDir& dir, const std::string& script,
                                   const std::string& input)
{
    std::string out = dir.File("python-output.txt");
    std::string err = dir.File("python-error.txt");
    std::string wrapped = "import sys\ntry:\n    exec(compile(sys.argv[3], 'reader', 'exec'))\n"
                          "except Exception as e:\n    open(sys.argv[4], 'w').write(repr(e))\n    raise\n";
    sys::RunResult r = sys::RunAndWait(kPython, {"-c", wrapped, input, out, script, err}, std::chrono::seconds(60));
    EXPECT_EQ(r.outcome, sys::RunOutcome::Ended);
    EXPECT_EQ(r.exitCode.value_or(-1), 0) << testsupport::ReadFile(err);
    return testsupport::ReadFile(out);
}

}  // namespace officetest
