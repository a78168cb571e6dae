// XML documents as the program reads them (table files, settings, job files, model files):
// parsing must never crash, every node must be readable, and what the writer makes of a parsed
// document must parse again and be written the same the second time.
#include "FuzzSupport.h"
#include "platform/xml/Xml.h"

namespace {

void Walk(const xml::Element& e, int depth)
{
    (void)e.Name();
    (void)e.Attributes();
    (void)e.Text();
    (void)e.InnerText();
    if (depth > 200)
        return;
    for (const xml::Node& n : e.ChildNodes()) {
        (void)n.Kind();
        (void)n.Value();
        if (const xml::Element child = n.AsElement())
            Walk(child, depth + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    xml::Document doc;
    try {
        doc.LoadFromString(fuzz::Text(data, size), "input");
    } catch (const xml::XmlError&) {
        return 0;
    }
    for (const xml::Node& n : doc.ChildNodes())
        (void)n.Value();
    Walk(doc.DocumentElement(), 0);

    std::string first;
    try {
        first = doc.SaveToString();
    } catch (const xml::XmlError&) {
        return 0;  // a document the writer refuses (characters XML cannot carry) is reported, not written
    }
    xml::Document again;
    try {
        again.LoadFromString(first, "written");
    } catch (const xml::XmlError& e) {
        FUZZ_CHECK(false, std::string("the written document does not parse: ") + e.what());
    }
    FUZZ_CHECK(again.SaveToString() == first, "a written document reads back differently:\n" + first);
    return 0;
}
