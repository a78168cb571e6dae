#pragma once
// What the OPC UA client dialog does with its whole model: the table file OPC_UA_Client.xml (read
// at every show, written on OK), the data check that must pass first, and the automatic byte
// positions of "Auto Pos". GUI-free; the window is tables/opcua/UOPC_UA_Client_Access.

#include <filesystem>
#include <optional>
#include <string>

#include "core/tables/opcua/OPCUAClientModel.h"

namespace tables::opcua {

// The file's element names.
inline constexpr std::string_view Client_Root = "OPC_UA_Client";
inline constexpr std::string_view Client_Servers = "OPC_UA_Server_List";

// The model read from the file, with what could not be read. A missing file gives no server and
// no note. Elements looked up by name that are missing, attributes read without a fallback that
// are missing, and a file that is not well-formed end the reading there; what was read before
// stays (a server or variable whose own attributes were incomplete is left out) and the note
// names the file and the place. The file is never written by a load.
struct TClient_Read {
    TOPC_UA_Server_List Servers;
    std::string Note;
};
TClient_Read Load_OPC_UA_Client(const std::filesystem::path& file);

// The file as OK writes it: root OPC_UA_Client without a comment, OPC_UA_Server_List, one
// OPC_UA_Server per server with its OPC_UA_Variables (OPC_UA_Read_Var, then OPC_UA_Write_Var).
std::string Client_File_Text(const TOPC_UA_Server_List& servers);
// Writes it through a temporary file renamed over the target, readable and writable by the owner
// only (it holds passwords and private keys). Throws xml::XmlError naming the file when it cannot
// be written; the earlier file then stays as it was.
void Save_OPC_UA_Client(const std::filesystem::path& file, const TOPC_UA_Server_List& servers);

// The first broken rule of the data check, or nullopt. Servers in order (disabled ones too); per
// server its enabled read variables, then its enabled write variables. Server and Variable count
// from 1; Message is the text formatted with them.
struct TClient_Fault {
    int Server = 0;
    int Variable = 0;
    bool Write = false;
    int Text = 0;
    std::string Message;
};
std::optional<TClient_Fault> Controllo_Dati(const TOPC_UA_Server_List& servers);

// The highest position a variable may start at.
inline constexpr int Client_Max_Position = 1499;

// Size in bytes of a data type's text (upper-cased first); 0 for an unknown text.
int GetLenVarType(const std::string& type);

// The first free byte of each direction for server `selected` (an index, -1 for none): 0 for the
// first server or none; otherwise, over all variables of the server before it, the largest
// Position (not a number counting as 0) plus the size of its type, 0 where it has none.
void Start_Position(const TOPC_UA_Server_List& servers, int selected, int& readStart, int& writeStart);

// "Auto Pos" on server `selected`: every read variable, in order, gets the read start and the
// start grows by its type's size; then the write variables the same. Nothing for an invalid index.
void Auto_Position(TOPC_UA_Server_List& servers, int selected);

}  // namespace tables::opcua
