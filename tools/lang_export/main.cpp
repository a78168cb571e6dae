// Writes the built-in English texts as a language file: lang_export <file>.
#include <fstream>
#include <iostream>

#include "common/LangFileExport.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: lang_export <file>\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << English_Lang_File_Text();
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
