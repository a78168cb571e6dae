#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>

#include "Raises.h"
#include "TempDir.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace rtl {
namespace {

std::vector<std::string> items(const TStrings& l)
{
    return l.ToVector();
}

TStringList* makeList(std::initializer_list<const char*> texts)
{
    auto* l = new TStringList;
    for (const char* t : texts)
        l->Add(t);
    return l;
}

// Counts its own destructions so that ownership can be checked.
struct Tracked : TObject {
    explicit Tracked(int& counter) : counter_(counter) {}
    ~Tracked() override { ++counter_; }
    int& counter_;
};

TEST(StringList, IndexErrorsCarryTheIndex)
{
    std::unique_ptr<TStringList> l(makeList({"a"}));
    struct Case {
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        {[&] { l->Get(1); }, "List index out of bounds (1)"},
        {[&] { l->Get(-1); }, "List index out of bounds (-1)"},
        {[&] { l->Delete(5); }, "List index out of bounds (5)"},
        {[&] { l->Insert(3, "x"); }, "List index out of bounds (3)"},
        {[&] { l->SetObjects(2, nullptr); }, "List index out of bounds (2)"},
        {[&] { l->Exchange(0, 1); }, "List index out of bounds (1)"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(rtl_test::RaisesWith<EStringListError>(c.call, c.message));
    }
    EXPECT_EQ(items(*l), std::vector<std::string>{"a"});
}

TEST(StringList, SortedListKeepsOrderAndHandlesDuplicates)
{
    struct Case {
        TDuplicates dup;
        std::vector<std::string> expected;
        bool raises;
    };
    const Case cases[] = {
        {dupIgnore, {"a", "B", "c"}, false},
        {dupAccept, {"a", "b", "B", "c"}, false},  // lower case sorts first among equals
        {dupError, {"a", "B", "c"}, true},
    };
    for (const Case& c : cases) {
        TStringList l;
        l.SetSorted(true);
        l.Duplicates = c.dup;
        l.Add("c");
        l.Add("a");
        l.Add("B");
        if (c.raises) {
            EXPECT_THROW(l.Add("b"), EStringListError);
        } else {
            l.Add("b");
        }
        EXPECT_EQ(items(l), c.expected) << c.dup;
        EXPECT_EQ(l.IndexOf("C"), static_cast<int>(c.expected.size()) - 1);
        EXPECT_EQ(l.IndexOf("zz"), -1);
    }
}

TEST(StringList, SortedListRefusesPositionalChanges)
{
    TStringList l;
    l.SetSorted(true);
    l.Add("x");
    EXPECT_THROW(l.Insert(0, "a"), EStringListError);
    EXPECT_THROW(l.Put(0, "a"), EStringListError);
    l.Add("a");
    EXPECT_THROW(l.Move(0, 1), EStringListError);
    EXPECT_EQ(items(l), (std::vector<std::string>{"a", "x"}));
}

TEST(StringList, CaseSensitivityOfSearchAndSort)
{
    TStringList l;
    l.AddStrings(std::vector<std::string>{"b", "B", "a"});
    EXPECT_EQ(l.IndexOf("B"), 0);  // case-insensitive by default: first match
    l.SetCaseSensitive(true);
    EXPECT_EQ(l.IndexOf("B"), 1);
    l.SetSorted(true);
    EXPECT_EQ(items(l), (std::vector<std::string>{"a", "b", "B"}));
    int index = -1;
    EXPECT_FALSE(l.Find("A", index));
    EXPECT_EQ(index, 1);  // the insert position
}

TEST(StringList, FindReturnsTheFirstOfEqualEntries)
{
    TStringList l;
    l.Duplicates = dupAccept;
    l.SetSorted(true);
    for (const char* s : {"m", "x", "m", "a", "m"})
        l.Add(s);
    int index = -1;
    ASSERT_TRUE(l.Find("M", index));
    EXPECT_EQ(index, 1);
}

TEST(StringList, ObjectsFollowTheirStringsAndOwnershipDeletesThem)
{
    int destroyed = 0;
    {
        TStringList l(true);
        auto* b = new Tracked(destroyed);
        l.AddObject("b", b);
        l.AddObject("a", new Tracked(destroyed));
        l.AddObject("c", new Tracked(destroyed));
        l.SetSorted(true);
        EXPECT_EQ(l.Objects(1), b);
        EXPECT_EQ(l.IndexOfObject(b), 1);
        l.Delete(0);
        EXPECT_EQ(destroyed, 1);
        l.Clear();
        EXPECT_EQ(destroyed, 3);
        l.AddObject("d", new Tracked(destroyed));
    }
    EXPECT_EQ(destroyed, 4);

    Tracked kept(destroyed);
    {
        TStringList notOwning;
        notOwning.AddObject("k", &kept);
    }
    EXPECT_EQ(destroyed, 4);
}

TEST(StringList, NameValueEntries)
{
    TStringList l;
    l.SetText("Port=502\nName=Slave 1\nflag\nEmpty=");
    EXPECT_EQ(l.Values("port"), "502");
    EXPECT_EQ(l.Values("Empty"), "");
    EXPECT_EQ(l.Values("flag"), "");
    EXPECT_EQ(l.Names(2), "");
    EXPECT_EQ(l.IndexOfName("NAME"), 1);
    EXPECT_EQ(l.ValueFromIndex(1), "Slave 1");
    l.SetValues("Port", "503");
    l.SetValues("New", "x=y");
    l.SetValues("Name", "");  // an empty value removes the entry
    EXPECT_EQ(items(l), (std::vector<std::string>{"Port=503", "flag", "Empty=", "New=x=y"}));
    EXPECT_EQ(l.Values("New"), "x=y");
}

TEST(StringList, TextSplitsAnyLineBreakAndJoinsWithLineBreak)
{
    TStringList l;
    l.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(items(l), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    l.SetText("one\n");
    EXPECT_EQ(items(l), std::vector<std::string>{"one"});
    l.LineBreak = "\n";
    l.Add("two");
    EXPECT_EQ(l.Text(), "one\ntwo\n");
    l.SetText("");
    EXPECT_EQ(l.Count(), 0);
}

TEST(StringList, CommaTextQuotingRoundTrips)
{
    struct Case {
        std::vector<std::string> entries;
        const char* text;
    };
    const Case cases[] = {
        {{"a", "b"}, "a,b"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"say \"hi\"", "x,y"}, "\"say \"\"hi\"\"\",\"x,y\""},
        {{"", "b"}, ",b"},
        {{""}, "\"\""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        TStringList l;
        l.AddStrings(c.entries);
        EXPECT_EQ(l.CommaText(), c.text);
        TStringList back;
        back.SetCommaText(c.text);
        EXPECT_EQ(items(back), c.entries.empty() ? std::vector<std::string>{} : c.entries) << c.text;
    }
}

TEST(StringList, DelimitedTextParsing)
{
    struct Case {
        const char* text;
        char delimiter;
        bool strict;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"a b,c", ',', false, {"a", "b", "c"}},  // blanks delimit unless strict
        {"a b,c", ',', true, {"a b", "c"}},     {" a , b ", ',', false, {"a", "b"}},
        {"a,", ',', false, {"a", ""}},  // a trailing delimiter gives an empty entry
        {"a;;b", ';', true, {"a", "", "b"}},    {"\"x;y\";z", ';', true, {"x;y", "z"}},
        {"\"open", ',', false, {"open"}},  // an unclosed quote runs to the end
    };
    for (const Case& c : cases) {
        TStringList l;
        l.Delimiter = c.delimiter;
        l.StrictDelimiter = c.strict;
        l.SetDelimitedText(c.text);
        EXPECT_EQ(items(l), c.expected) << c.text;
    }
    TStringList l;
    l.Delimiter = ';';
    l.StrictDelimiter = true;
    l.AddStrings(std::vector<std::string>{"a b", "c;d"});
    EXPECT_EQ(l.DelimitedText(), "a b;\"c;d\"");
    EXPECT_EQ(l.CommaText(), "\"a b\",c;d");  // CommaText ignores the list's own delimiter
}

TEST(StringList, ChangeEventsFireOncePerUpdateBlock)
{
    TStringList l;
    int changing = 0, changed = 0;
    l.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &l);
        ++changing;
    };
    l.OnChange = [&](TObject*) { ++changed; };
    l.Add("a");
    EXPECT_EQ(changed, 1);
    l.BeginUpdate();
    l.Add("b");
    l.Add("c");
    l.Delete(0);
    EXPECT_EQ(changed, 1);
    l.EndUpdate();
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);
    l.SetCommaText("x,y,z");
    EXPECT_EQ(changed, 3);
}

TEST(StringList, MoveExchangeAssignAndSelfAddStrings)
{
    std::unique_ptr<TStringList> l(makeList({"a", "b", "c", "d"}));
    l->Move(0, 2);
    EXPECT_EQ(items(*l), (std::vector<std::string>{"b", "c", "a", "d"}));
    l->Exchange(0, 3);
    EXPECT_EQ(items(*l), (std::vector<std::string>{"d", "c", "a", "b"}));
    l->AddStrings(*l);
    EXPECT_EQ(l->Count(), 8);
    TStringList copy;
    copy.Delimiter = ';';
    l->Delimiter = '|';
    copy.Assign(*l);
    EXPECT_TRUE(copy.Equals(*l));
    EXPECT_EQ(copy.Delimiter, '|');
}

TEST(StringList, CustomSortOrdersByCaller)
{
    std::unique_ptr<TStringList> l(makeList({"10", "9", "100", "1"}));
    l->CustomSort([](TStringList& list, int a, int b) { return std::stoi(list[a]) - std::stoi(list[b]); });
    EXPECT_EQ(items(*l), (std::vector<std::string>{"1", "9", "10", "100"}));
}

TEST(StringList, FilesInEveryEncodingReadBackAsUtf8)
{
    rtl_test::TempDir dir;
    const std::string text = "caf\xC3\xA9\r\n\xE2\x82\xAC 5\r\n";  // café, € 5
    struct Case {
        TEncoding encoding;
        std::string bytes;
    };
    const Case cases[] = {
        {TEncoding::Ansi, "caf\xE9\r\n\x80 5\r\n"},
        {TEncoding::UTF8, text},
        {TEncoding::UTF8BOM, "\xEF\xBB\xBF" + text},
        {TEncoding::Unicode, std::string("\xFF\xFE"
                                         "c\0a\0f\0\xE9\0\r\0\n\0\xAC\x20 \0"
                                         "5\0\r\0\n\0",
                                         24)},
    };
    for (const Case& c : cases) {
        TStringList l;
        l.SetText(text);
        std::string file = dir.file("list.txt");
        l.SaveToFile(file, c.encoding);
        EXPECT_EQ(rtl_test::readAll(file), c.bytes) << static_cast<int>(c.encoding);
        TStringList back;
        back.LoadFromFile(file);  // detected from the byte-order mark or the bytes themselves
        EXPECT_EQ(back.Text(), text) << static_cast<int>(c.encoding);
    }
}

TEST(StringList, MissingFileRaisesOpenError)
{
    rtl_test::TempDir dir;
    TStringList l;
    l.Add("kept");
    EXPECT_THROW(l.LoadFromFile(dir.file("absent.txt")), EFOpenError);
    EXPECT_EQ(l.Count(), 1);
    EXPECT_THROW(l.SaveToFile(dir.file("no/such/folder/x.txt")), EFCreateError);
}

}  // namespace
}  // namespace rtl
