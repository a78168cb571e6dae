// The MQTT topics, the SNMP manager and the SNMP agent dialogs shown (reset, load, combo lists,
// running numbers) with their tables full: every row of every table filled, one MQTT topic of
// 64 KB, the 1440-entry position lists. Then the check on OK of the same tables, the topic
// template editor with the 64 KB topic, and the MIB export of a full agent table. Offscreen; a show
// should stay well below 100 ms in a Release build.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "common/UComon.h"
#include "common/ULanguage.h"
#include "core/tables/mqtt_snmp/USNMP_MIB.h"
#include "tables/mqtt_snmp/UMQTT_Set_Topic.h"
#include "tables/mqtt_snmp/USNMPManagerAccess.h"
#include "tables/mqtt_snmp/USNMP_Trap_Access.h"
#include "tables/mqtt_snmp/UTopicTemplate.h"

namespace {

namespace fs = std::filesystem;

void Write(const std::string& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

std::string Big_Topic()
{
    std::string topic;
    while (topic.size() < 64 * 1024)
        topic += "plant/area/line/machine/";
    return topic.substr(0, 64 * 1024);
}

std::string MQTT_File()
{
    std::string text = "<MQTT_Set_Topic><!--SW_VERSION = 1.000--><MQTT_Publish>";
    for (int k = 1; k <= 1024; ++k)
        text += "<row Topic=\"" + (k == 1 ? Big_Topic() : "plant/publish/" + std::to_string(k)) +
                "\" Retained=\"N\" QoS=\"1\" DataType=\"Int\" Dimension=\"2\" Position=\"" + std::to_string(k) +
                "\" IPAddress=\"\" InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"Y\" "
                "Time=\"1000\" Mnemonic=\"value " +
                std::to_string(k) + "\"/>";
    text += "</MQTT_Publish><MQTT_Subscribe>";
    for (int k = 1; k <= 1024; ++k)
        text += "<row Topic=\"plant/subscribe/" + std::to_string(k) +
                "\" Retained=\"\" QoS=\"0\" DataType=\"Float\" Dimension=\"4\" Position=\"" + std::to_string(k) +
                "\" IPAddress=\"\" Port=\"\" EthType=\"\" InputTemplate=\"\" Template=\"$VALUE$\" Mnemonic=\"m\"/>";
    return text + "</MQTT_Subscribe></MQTT_Set_Topic>";
}

std::string Manager_File()
{
    std::string text = "<SNMP_Manager_Access><!--SW_VERSION = 1.000-->";
    for (int k = 1; k <= 512; ++k)
        text += "<row Enable=\"Y\" IP_Address=\"127.0.0.1\" Version=\"3\" Community_String=\"Morvel\" "
                "OID=\"1.3.6.1.4.1.32473." +
                std::to_string(k) +
                "\" Type=\"Int\" Mode=\"Get\" On_Change=\"N\" On_Command=\"N\" On_Timer=\"Y\" Time=\"1000\" "
                "Position=\"" +
                std::to_string(k) +
                "\" Number_Bytes=\"4\" ConvertFrom=\"None\" Cancel=\"N\" User=\"operator\" Auth_Pass=\"authpass1\" "
                "Priv_Pass=\"privpass1\" Security_Level=\"Auth Priv\" Auth_Mode=\"SHA\" Priv_Mode=\"AES\" "
                "Mnemonic=\"m\"/>";
    return text + "</SNMP_Manager_Access>";
}

std::string Trap_File()
{
    std::string text = "<SNMP_Trap><!--SW_VERSION = 1.000--><SNMP_Trap_Read>";
    for (int k = 1; k <= 256; ++k)
        text += "<row Enable=\"Y\" Community_Name=\"Morvel\" Type=\"Int\" On_Change=\"Y\" On_Command=\"N\" "
                "On_Timer=\"N\" Time=\"\" Position=\"" +
                std::to_string(k) + "\" Bit=\"0\" NumBits=\"16\" Description=\"in" + std::to_string(k) +
                "\" IP_Address=\"127.0.0.1\" Conversion=\"None\" Mnemonic=\"m\"/>";
    text += "</SNMP_Trap_Read><SNMP_Trap_Write>";
    for (int k = 1; k <= 256; ++k)
        text += "<row Enable=\"Y\" Community_Name=\"Drasken\" Type=\"String\" Position=\"" + std::to_string(k) +
                "\" Bit=\"0\" NumBits=\"16\" Description=\"out" + std::to_string(k) +
                "\" Conversion=\"None\" Mnemonic=\"m\"/>";
    return text + "</SNMP_Trap_Write></SNMP_Trap>";
}

const fs::path& Folder()
{
    static const fs::path folder = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Load_Default_Lang();
        std::string pattern = (fs::temp_directory_path() / "bench_mqtt_snmp_XXXXXX").string();
        const fs::path dir = mkdtemp(pattern.data());
        File_MQTT_Set_Topic = (dir / "MQTT_Set_Topic.xml").string();
        File_SNMP_Manager = (dir / "SNMP_Manager.xml").string();
        File_SNMP_Trap = (dir / "SNMP_Trap.xml").string();
        Write(File_MQTT_Set_Topic, MQTT_File());
        Write(File_SNMP_Manager, Manager_File());
        Write(File_SNMP_Trap, Trap_File());
        return dir;
    }();
    return folder;
}

template <class F>
void BM_Show_Full(benchmark::State& state)
{
    Folder();
    auto form = std::make_unique<F>(nullptr);
    form->FormShow(form.get());
    const int last = form->Grids.front()->RowCount() - 1;
    if (form->Cells(0).Cell(1, last).empty() || form->Cells(0).Cell(2, last).empty())
        state.SkipWithError("the table file was not loaded whole");
    for (auto _ : state)
        form->FormShow(form.get());
}

template <class F>
void BM_Check_Full(benchmark::State& state)
{
    Folder();
    auto form = std::make_unique<F>(nullptr);
    form->FormShow(form.get());
    for (auto _ : state)
        benchmark::DoNotOptimize(form->Controllo_dati());
}

void BM_Show_Template_Editor_64KB(benchmark::State& state)
{
    Folder();
    TFTopicTemplate editor(nullptr);
    editor.TopicTemplate = 1;
    const std::string topic = Big_Topic();
    for (auto _ : state) {
        editor.RE_TopicTemplate->Clear();
        editor.RE_TopicTemplate->SetText(topic);
        editor.FormShow(&editor);
    }
}

void BM_MIB_Export_Full(benchmark::State& state)
{
    const fs::path file = Folder() / "agent.mib";
    for (auto _ : state) {
        tables::mqtt_snmp::Load_SNMP_Trap_Vars();
        tables::mqtt_snmp::Write_SNMP_MIB(file);
    }
}

}  // namespace

BENCHMARK(BM_Show_Full<TFMQTT_Set_Topic>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Show_Full<TFSNMPManagerAccess>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Show_Full<TFSNMP_Trap_Access>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check_Full<TFMQTT_Set_Topic>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check_Full<TFSNMPManagerAccess>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check_Full<TFSNMP_Trap_Access>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Show_Template_Editor_64KB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MIB_Export_Full)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
