// Print jobs to the desktop's printers: a printer the desktop lacks is refused by name and leaves
// the printer idle, ready for the next job.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Printers.h"

using namespace ui;

TEST(Printer, AJobForAPrinterTheDesktopLacksIsRefusedByName)
{
    const std::vector<std::string> printers = TPrinter::Printers();
    const std::string missing = "No printer called this";
    ASSERT_EQ(std::find(printers.begin(), printers.end(), missing), printers.end());

    TPrinter printer;
    printer.PrinterName = missing;
    try {
        printer.BeginDoc();
        FAIL() << "a job started on a printer that does not exist";
    } catch (const rtl::Exception& e) {
        EXPECT_NE(std::string(e.what()).find("printer \"" + missing + "\""), std::string::npos) << e.what();
    }
    EXPECT_FALSE(printer.Printing());
    EXPECT_THROW(printer.NewPage(), rtl::Exception);
}
