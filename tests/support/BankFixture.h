#pragma once
// A configuration folder with its three table files for the bank compiler tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "core/USaveBincc.h"

namespace coretest {

inline std::uint32_t U32_At(const std::vector<std::uint8_t>& b, std::size_t off)
{
    return b.at(off) | (b.at(off + 1) << 8) | (b.at(off + 2) << 16) | (std::uint32_t(b.at(off + 3)) << 24);
}
inline std::uint16_t U16_At(const std::vector<std::uint8_t>& b, std::size_t off)
{
    return static_cast<std::uint16_t>(b.at(off) | (b.at(off + 1) << 8));
}
inline std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& b, std::size_t off, std::size_t n)
{
    return {b.begin() + off, b.begin() + off + n};
}

class BankFixture : public ::testing::Test {
protected:
    TScratchDir dir;
    core::TBankSources Sources() const
    {
        return {dir / "ParGen.xml", dir / "EtherCAT_Slave.xml", dir / "EtherNetIP_Master_Rules.xml"};
    }
    // ParGen.xml with the given key elements inside the root.
    void ParGen(const std::string& keys) { Write_File(dir / "ParGen.xml", "<Par_Gen>" + keys + "</Par_Gen>"); }
    // EtherCAT_Slave.xml with the given rows of both directions.
    void Variables(const std::string& slaveToMaster, const std::string& masterToSlave)
    {
        Write_File(dir / "EtherCAT_Slave.xml",
                   "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + slaveToMaster +
                       "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + masterToSlave +
                       "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>");
    }
    void Connections(const std::string& rows)
    {
        Write_File(dir / "EtherNetIP_Master_Rules.xml",
                   "<EtherNetIP_Master_Access>" + rows + "</EtherNetIP_Master_Access>");
    }
    // Builds into a fresh storage.
    std::unique_ptr<core::TBankStorage> Build() const
    {
        auto s = std::make_unique<core::TBankStorage>();
        core::Build_Banks(*s, Sources());
        return s;
    }
    std::vector<std::uint8_t> Bank1() const { return Build()->Bank1.Bytes(); }
    std::vector<std::uint8_t> Bank2() const { return Build()->Bank2.Bytes(); }
};

}  // namespace coretest
