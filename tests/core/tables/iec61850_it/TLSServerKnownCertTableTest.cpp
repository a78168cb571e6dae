// The known TLS certificates without their window: how the enable box is read, certificates of
// several lines kept byte for byte, the end of the list, and a file only its owner can read.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "common/UComon.h"
#include "core/tables/can_family/DescTableFixture.h"
#include "core/tables/iec61850_it/TLSServerKnownCertTable.h"

namespace {

using namespace tables;

class TLSServerKnownCertTable : public cantest::DescTable {
protected:
    TLSServerKnownCertTable()
        : DescTable(iec::TLS_Server_Known_Cert_Desc(), File_TLS_Known_Cert, "TLS_Known_Cert.xml", 10)
    {}
    unsigned Mode() const
    {
        struct stat st {};
        EXPECT_EQ(::stat(File_TLS_Known_Cert.c_str(), &st), 0);
        return st.st_mode & 0777;
    }
    void Save() { Save_Tables(desc, File_TLS_Known_Cert, {&cells}, state); }
};

const std::string Pem = "-----BEGIN CERTIFICATE-----\r\nMIIB\tszCC\r\nAVmgAwIB\n\r\n-----END CERTIFICATE-----\r\n";

TEST_F(TLSServerKnownCertTable, OnlyACapitalNClearsTheBox)
{
    EXPECT_EQ(Load("<R><row Certificate=\"a\"/><row Enable=\"n\" Certificate=\"b\"/>"
                   "<row Enable=\"N\" Certificate=\"c\"/><row Enable=\"\" Certificate=\"d\"/></R>"),
              "");
    EXPECT_EQ(cells.Cell(1, 1), "Y");
    EXPECT_EQ(cells.Cell(1, 2), "Y");
    EXPECT_EQ(cells.Cell(1, 3), "N");
    EXPECT_EQ(cells.Cell(1, 4), "Y");
    EXPECT_EQ(cells.Cell(3, 4), "");  // a missing Mnemonic is empty
}

TEST_F(TLSServerKnownCertTable, ACertificateOfSeveralLinesComesBackByteForByte)
{
    Put(1, {"Y", Pem, "first"});
    Put(2, {"N", "  " + Pem + "  ", "second"});
    EXPECT_EQ(Check(), "");  // the certificate is never looked into
    Save();
    Put(1, {"Y", "", ""});
    Put(2, {"Y", "", ""});
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"Y", Pem, "first"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"N", "  " + Pem + "  ", "second"}));
}

TEST_F(TLSServerKnownCertTable, ABlankCertificateEndsTheList)
{
    Put(1, {"Y", "cert", "a"});
    Put(2, {"Y", " \r\n ", "b"});
    EXPECT_EQ(Text(), "<TLS_Server_Known_Cert><row Enable=\"Y\" Certificate=\"cert\" Mnemonic=\"a\"/>"
                      "</TLS_Server_Known_Cert><!--SW_VERSION = 1.000-->");
}

TEST_F(TLSServerKnownCertTable, TheFileIsReadableByItsOwnerOnly)
{
    Put(1, {"Y", Pem, ""});
    Save();
    EXPECT_EQ(Mode(), 0600u);
    // A file another program left open to everyone is narrowed when it is written again.
    ASSERT_EQ(::chmod(File_TLS_Known_Cert.c_str(), 0644), 0);
    Save();
    EXPECT_EQ(Mode(), 0600u);
}

}  // namespace
