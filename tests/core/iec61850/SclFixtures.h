#pragma once
// Small SCL files for the decoder's and the client model's tests, and a text dump of a decoded
// device that shows its tree, references, FCs and types at a glance.

#include <string>

#include "core/iec61850/UIEC_Client_Decode.h"

namespace scltest {

// One server with two logical devices: references, FCs inherited by components, structured and
// enumerated attributes, a type id defined twice, sub data objects, data sets with and without
// daName, dotted names, GOOSE control blocks, comments between logical nodes, a node without
// lnType, and a second IED that is not read.
inline const char* const kServer = R"(<?xml version="1.0" encoding="UTF-8"?>
<SCL xmlns="http://www.iec.ch/61850/2003/SCL">
  <Header id="fixture"/>
  <IED name="IED1">
    <AccessPoint name="AP1">
      <Server>
        <LDevice inst="LD0">
          <LN0 lnClass="LLN0" lnType="LLN0_T" inst="">
            <DataSet name="DS1">
              <FCDA ldInst="LD0" lnClass="LLN0" doName="Mod" daName="stVal" fc="ST"/>
              <FCDA ldInst="LD1" lnClass="MMXU" doName="TotW" fc="MX"/>
              <FCDA ldInst="LD1" lnClass="MMXU" doName="TotW" daName="mag.f" fc="MX"/>
              <FCDA ldInst="LD1" lnClass="MMXU" doName="A.phsA" fc="MX"/>
              <FCDA ldInst="LD1" lnClass="MMXU" doName="phsA" daName="f" fc="MX"/>
              <FCDA ldInst="LDX" lnClass="LLN0" doName="Mod"/>
              <FCDA lnClass="LLN0" doName="Mod"/>
              <FCDA ldInst="LD0" lnClass="LLN0" doName="Mod" daName="nothing"/>
              <FCDA ldInst="LD0" lnClass="LLN0" doName="Mod" fc="CO"/>
            </DataSet>
            <DataSet name="DS2">
              <FCDA ldInst="LD0" lnClass="LLN0" doName="Beh" daName="q"/>
            </DataSet>
            <GSEControl name="GCB1" datSet="DS1"/>
            <GSEControl name="GCB2" datSet="DS1"/>
            <GSEControl name="GCB3" datSet="NoSuchSet"/>
            <GSEControl datSet="DS2"/>
            <ReportControl name="RCB1" datSet="DS2"/>
          </LN0>
          <!-- a comment between logical nodes -->
          <LN lnClass="LPHD" lnType="LPHD_T" inst="1"/>
          <LN lnClass="GGIO" inst="1">
            <DataSet name="Unread">
              <FCDA ldInst="LD0" lnClass="LLN0" doName="Mod"/>
            </DataSet>
          </LN>
        </LDevice>
        <LDevice inst="LD1">
          <LN0 lnClass="LLN0" lnType="LLN0_T"/>
          <!-- another comment -->
          <LN prefix="Q1" lnClass="MMXU" lnType="MMXU_T" inst="1">
            <DataSet name="Meas">
              <FCDA ldInst="LD1" lnClass="MMXU" doName="TotW" daName="mag" fc="MX"/>
            </DataSet>
          </LN>
          <LN prefix="Q2" lnClass="MMXU" lnType="MMXU_T" inst="2"/>
        </LDevice>
      </Server>
    </AccessPoint>
    <AccessPoint name="AP2">
      <Server>
        <LDevice inst="Unread"/>
      </Server>
    </AccessPoint>
  </IED>
  <IED name="IED2">
    <AccessPoint name="AP1"><Server><LDevice inst="Other"/></Server></AccessPoint>
  </IED>
  <DataTypeTemplates>
    <LNodeType id="LLN0_T" lnClass="LLN0">
      <DO name="Mod" type="ENC_Mod"/>
      <!-- comments are skipped -->
      <DO name="Beh" type="ENS_Beh"/>
    </LNodeType>
    <LNodeType id="LPHD_T" lnClass="LPHD">
      <DO name="PhyHealth" type="ENS_Beh"/>
    </LNodeType>
    <LNodeType id="MMXU_T" lnClass="MMXU">
      <DO name="TotW" type="MV"/>
    </LNodeType>
    <LNodeType id="MMXU_T" lnClass="MMXU">
      <DO name="A" type="WYE"/>
    </LNodeType>
    <DOType id="ENC_Mod" cdc="ENC">
      <DA name="stVal" bType="Enum" fc="ST" type="Mod_Kind"/>
      <DA name="q" bType="Quality" fc="ST"/>
      <DA name="Oper" bType="Struct" fc="CO" type="Oper_T"/>
    </DOType>
    <DOType id="ENS_Beh" cdc="ENS">
      <DA name="stVal" bType="Enum" fc="ST" type="Beh_Kind"/>
      <DA name="q" bType="Quality" fc="ST"/>
    </DOType>
    <DOType id="MV" cdc="MV">
      <DA name="mag" bType="Struct" fc="MX" type="AV"/>
      <DA name="q" bType="Quality" fc="MX"/>
    </DOType>
    <DOType id="WYE" cdc="WYE">
      <SDO name="phsA" type="CMV"/>
    </DOType>
    <DOType id="CMV" cdc="CMV">
      <DA name="cVal" bType="Struct" fc="MX" type="Vector"/>
    </DOType>
    <DAType id="AV">
      <BDA name="f" bType="FLOAT32"/>
    </DAType>
    <DAType id="Vector">
      <BDA name="mag" bType="Struct" type="AV"/>
    </DAType>
    <DAType id="Oper_T">
      <BDA name="ctlVal" bType="Enum" type="Mod_Kind"/>
      <BDA name="T" bType="Timestamp" fc="XX"/>
    </DAType>
    <DAType id="Mod_Kind">
      <BDA name="notRead" bType="BOOLEAN"/>
    </DAType>
    <EnumType id="Mod_Kind"><EnumVal ord="1">on</EnumVal></EnumType>
  </DataTypeTemplates>
</SCL>
)";

// One line per object, indented by its depth: "LD name", "LN prefix|class|inst|type",
// "DO name", "DA name bType fc reference", "DS name reference goose=... members".
inline void DumpDA(const iec::TIEC_DA& da, int depth, std::string& out)
{
    out += std::string(std::size_t(depth), ' ') + "DA " + da.fName + " " + da.fbType + " " + da.fFC + " " +
           da.fReference + "\n";
    for (const auto& c : da.List_DA)
        DumpDA(*c, depth + 1, out);
}

inline void DumpDO(const iec::TIEC_DO& d, int depth, std::string& out)
{
    out += std::string(std::size_t(depth), ' ') + "DO " + d.fName + "\n";
    for (const auto& s : d.List_DO)
        DumpDO(*s, depth + 1, out);
    for (const auto& da : d.List_DA)
        DumpDA(*da, depth + 1, out);
}

inline std::string Dump(const iec::TIEC_Device& device)
{
    std::string out = "IED " + device.fName + "\n";
    for (const auto& ld : device.List_LDevice) {
        out += " LD " + ld->fName + "\n";
        for (const auto& ln : ld->List_LN) {
            out += "  LN " + ln->fPrefix + "|" + ln->flnClass + "|" + ln->fInst + "|" + ln->flnType + "\n";
            for (const auto& d : ln->List_DO)
                DumpDO(*d, 3, out);
            for (const auto& ds : ln->List_DataSet) {
                out += "   DS " + ds->fName + " " + ds->fReference + " goose=" + ds->fGooseName + "\n";
                for (const auto* m : ds->List_DA)
                    out += "    member " + m->fReference + "\n";
            }
        }
    }
    return out;
}

}  // namespace scltest
