// Checks and conversions of what the user types: dotted IPv4 addresses, an
// address with a port, decimal fractions with the regional separator and the
// serial ports present. None of them shows a message; each reports through its result.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// True when the text is a dotted IPv4 address whose four parts (trimmed) are 0..255.
// The parts found so far go to the outputs, trimmed, also when the result is false.
bool Split_IP_Address(const std::string& text, std::string& ip1, std::string& ip2, std::string& ip3, std::string& ip4);

// Returns the error flag: true when the text is empty (bytes left unchanged) or any of
// its four parts is not 0..255 (that byte becomes 0). Parts are not trimmed.
bool IP_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4);

// "a.b.c.d:port": true when all five parts are valid; otherwise false with all outputs 0.
bool IP_Port_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4, uint16_t& port);

// The regional decimal separator: its first character when that is "," or ".", else ",".
char Get_Decimal_Separator();

// Reads a number typed with either "." or "," as decimal separator. On failure (not a
// number, or out of the 32-bit float range) stores 1.0 and returns false.
bool Str_To_Float_Sep(const std::string& text, char separator, float& value);

// Serial ports present on this machine, as port numbers in decimal, increasing.
std::vector<std::string> List_COM_Ports();

// How a probe of one port turned out.
enum class ComPortProbe { Opened, InUse, Absent };
// The same list built from a probe of the ports 1..256.
std::vector<std::string> List_COM_Ports(const std::function<ComPortProbe(int)>& probe);
// A serial device that refused to open: `error` is the errno of the open, `uartType` the
// kernel's type of the port's UART as text (empty when unknown; "0" means no UART behind it).
ComPortProbe Serial_Open_Failure(int error, const std::string& uartType);
