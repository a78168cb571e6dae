#include "dialogs/ParGenPanelsBuild.h"

#include <string_view>

#include "common/UComon.h"

namespace core {

using namespace pargen_layout;

namespace {

std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(sep, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

bool Is_Digit_Or_Control(char32_t c)
{
    return c < U' ' || (c >= U'0' && c <= U'9');
}

// Builds the controls row by row, keeping the current row.
class TPanelBuilder {
public:
    TPanelBuilder(ui::TCategoryPanel& panel, ui::TComponent& owner, const TParGenHandlers& handlers,
                  TParGenPanelTexts& texts)
        : panel_(panel), owner_(owner), handlers_(handlers), texts_(texts)
    {}

    void Add(const TParGenRow& r)
    {
        switch (r.Kind) {
        case TParGenRowKind::Edit:
            Add_Edit(r);
            break;
        case TParGenRowKind::Memo:
            Add_Memo(r);
            break;
        case TParGenRowKind::Combo:
            Add_Combo(r);
            break;
        case TParGenRowKind::Octets:
            Add_Octet_Row(r.Name, r.Caption, r.Hint, r.Text);
            break;
        case TParGenRowKind::Block:
            Add_Block(r);
            break;
        case TParGenRowKind::Check:
            Add_Check(r.Name, r.Caption, r.Hint, Label_Left, Check_Row_Width, r.Disabled);
            break;
        case TParGenRowKind::CheckEdit:
            Add_Check_Edit(r);
            break;
        case TParGenRowKind::Versions:
            Add_Versions(r);
            break;
        case TParGenRowKind::Heading:
            Add_Label(r.Name, r.Caption);
            break;
        }
        row_ += Row_Span(r);
    }

private:
    template <class T>
    T* Create(const std::string& name, int left, int top, int width, int height)
    {
        auto* c = new T(&owner_);
        c->SetName(name);
        c->SetParent(&panel_);
        c->SetBounds(left, top, width, height);
        return c;
    }

    void Bind(ui::TControl* c, int caption, int hint)
    {
        if (hint)
            c->SetShowHint(true);
        if (caption || hint)
            texts_.Bindings.push_back({c, caption, hint});
    }

    ui::TLabel* Add_Label(const std::string& name, int caption, int row = -1)
    {
        if (!caption)
            return nullptr;
        auto* l = Create<ui::TLabel>(name, Label_Left, Field_Top(row < 0 ? row_ : row) + Label_Drop, 0, 13);
        Bind(l, caption, 0);
        return l;
    }

    ui::TEdit* Add_Field_Edit(const std::string& name, int hint, const std::string& text, int left, int width)
    {
        auto* e = Create<ui::TEdit>(name, left, Field_Top(row_), width, Field_Height);
        e->SetText(text);
        e->OnChange = handlers_.On_Change;
        Bind(e, 0, hint);
        return e;
    }

    void Add_Edit(const TParGenRow& r)
    {
        Add_Label(Label_Name(r.Name), r.Caption);
        auto* e = Add_Field_Edit(r.Name, r.Hint, r.Text, Field_Left, Field_Width);
        e->SetMaxLength(r.MaxLength);
        e->SetEnabled(!r.Disabled);
        if (r.Invisible)
            e->SetVisible(false);
        if (r.DigitsOnly)
            e->OnKeyPress = [](ui::TObject*, char32_t& key) {
                if (!Is_Digit_Or_Control(key))
                    key = 0;
            };
    }

    void Add_Memo(const TParGenRow& r)
    {
        Add_Label(Label_Name(r.Name), r.Caption);
        auto* m = Create<ui::TMemo>(r.Name, Field_Left, Field_Top(row_), Field_Width, Field_Height);
        m->OnChange = handlers_.On_Change;
        Bind(m, 0, r.Hint);
    }

    void Add_Combo(const TParGenRow& r)
    {
        Add_Label(Label_Name(r.Name), r.Caption);
        auto* c = Create<ui::TComboBox>(r.Name, Field_Left, Field_Top(row_), Field_Width, Field_Height);
        c->SetStyle(ui::TComboBoxStyle::csDropDownList);
        if (!r.Text.empty())
            for (const auto& item : Split(r.Text, '|'))
                c->Items()->Add(item);
        c->SetItemIndex(r.ItemIndex);
        c->OnChange = handlers_.On_Change;
        Bind(c, 0, r.Hint);
        if (r.LangItemCount)
            texts_.Lang_Combos.push_back({c, r.LangItemFirst, r.LangItemCount});
    }

    // Four octet edits named prefix + "1" .. "4" with "." labels between neighbours.
    void Add_Octets(const std::string& prefix, int firstHint, const std::string& dotted)
    {
        const auto octets = Split(dotted, '.');
        for (int i = 0; i < 4; ++i) {
            const std::string text = i < static_cast<int>(octets.size()) ? octets[static_cast<std::size_t>(i)] : "";
            auto* e = Add_Field_Edit(prefix + char('1' + i), firstHint ? firstHint + i : 0, text,
                                     Field_Left + i * Octet_Step, Octet_Width);
            e->OnKeyPress = handlers_.Octet_KeyPress;
            if (i < 3) {
                auto* dot = Create<ui::TLabel>(Label_Name(prefix) + "_Dot" + char('1' + i),
                                               Field_Left + i * Octet_Step + Octet_Width + 1,
                                               Field_Top(row_) + Label_Drop, 4, 13);
                dot->SetCaption(".");
            }
        }
    }

    void Add_Octet_Row(const std::string& prefix, int caption, int firstHint, const std::string& dotted)
    {
        Add_Label(Label_Name(prefix), caption);
        Add_Octets(prefix, firstHint, dotted);
    }

    ui::TCheckBox* Add_Check(const std::string& name, int caption, int hint, int left, int width, bool disabled)
    {
        auto* c = Create<ui::TCheckBox>(name, left, Field_Top(row_) + 2, width, Check_Height);
        c->OnClick = handlers_.On_Click;
        c->SetEnabled(!disabled);
        Bind(c, caption, hint);
        return c;
    }

    // IP-address, subnet-mask and gateway rows; base is the text of the "IP Address" label.
    void Add_Block(const TParGenRow& r)
    {
        const auto defaults = Split(r.Text, '|');
        const int n = r.Caption;
        const std::string e = "E_" + r.Name + "_";
        Add_Octet_Row(e + "IP", n, n + 1, defaults.at(0));
        ++row_;
        Add_Octet_Row(e + "SM", n + 5, n + 6, defaults.at(1));
        ++row_;
        Add_Check("CB_" + r.Name + "_GAT", n + 10, n + 11, Label_Left, Gateway_Check_Width, false);
        Add_Octets(e + "GAT", n + 12, defaults.at(2));
        row_ -= 2;
    }

    void Add_Check_Edit(const TParGenRow& r)
    {
        Add_Check(r.Name, r.Caption, r.Hint, Label_Left, Field_Left - Label_Left - 2, false);
        Add_Field_Edit(r.Extra, r.ExtraHint, r.ExtraText, Field_Left, Field_Width);
    }

    void Add_Versions(const TParGenRow& r)
    {
        Add_Label(Label_Name(r.Name), r.Caption);
        for (int i = 0; i < 3; ++i) {
            auto* c = Add_Check(r.Name + char('1' + i), 0, r.Hint + i, Field_Left + i * Octet_Step, Octet_Width, false);
            c->SetCaption(std::string(1, char('1' + i)));
        }
    }

    ui::TCategoryPanel& panel_;
    ui::TComponent& owner_;
    const TParGenHandlers& handlers_;
    TParGenPanelTexts& texts_;
    int row_ = 0;
};

}  // namespace

const std::string& ParGen_Text(int number)
{
    static const std::string none;
    if (number <= 0 || number >= static_cast<int>(Lang_List.size()))
        return none;
    return Lang_List[static_cast<std::size_t>(number)];
}

std::string Label_Name(const std::string& field)
{
    std::string_view rest = field;
    for (std::string_view prefix : {"E_", "CB_"})
        if (rest.substr(0, prefix.size()) == prefix) {
            rest.remove_prefix(prefix.size());
            break;
        }
    return "L_" + std::string(rest);
}

void Build_ParGen_Panel(ui::TCategoryPanel& panel, ui::TComponent& owner, const TParGenPanel& def,
                        const TParGenHandlers& handlers, TParGenPanelTexts& texts)
{
    panel.SetName(def.Name);
    TPanelBuilder builder(panel, owner, handlers, texts);
    for (const auto& row : def.Rows)
        builder.Add(row);
}

void Apply_ParGen_Texts(const TParGenPanelTexts& texts)
{
    for (const auto& b : texts.Bindings) {
        if (b.Caption)
            b.Control->SetCaption(ParGen_Text(b.Caption));
        if (b.Hint)
            b.Control->SetHint(ParGen_Text(b.Hint));
    }
    for (const auto& c : texts.Lang_Combos) {
        c.Combo->Items()->Clear();
        for (int i = 0; i < c.Count; ++i)
            c.Combo->Items()->Add(ParGen_Text(c.First + i));
        c.Combo->SetItemIndex(0);
    }
}

}  // namespace core
