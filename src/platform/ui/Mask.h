#pragma once
// An edit whose text follows a mask: "0" digit required, "9" digit optional, "L" letter required,
// "l" letter optional, "A" letter/digit required, "a" optional, "C" any character required,
// "c" optional, "#" digit or sign optional, "!" "<" ">" and "\" as usual; other characters are
// literals. The mask's trailing ";1;_" parts: keep literals in Text (1/0) and the blank character.
#include "platform/ui/StdCtrls.h"

namespace ui {

class TMaskEdit : public TCustomEdit {
public:
    explicit TMaskEdit(TComponent* AOwner);
    const std::string& EditMask() const { return mask_; }
    void SetEditMask(const std::string& mask);
    // Text shown in the edit: literals and blanks filled in.
    std::string EditText() const;
    // Whether every required position is filled.
    bool IsComplete() const;
    void SetText(const std::string& v) override;
    const std::string& Text() const override;

protected:
    bool AcceptChar(char32_t ch, int pos) const override;
    void KeyPress(char32_t& key) override;

private:
    struct Slot {
        char kind;  // mask character, or 0 for a literal
        char32_t literal;
        bool required;
        int caseMode;  // 0 as typed, 1 upper, -1 lower
    };
    void Parse();
    int NextEditable(int from) const;
    std::string mask_;
    std::vector<Slot> slots_;
    bool saveLiterals_ = true;
    char32_t blank_ = U'_';
    std::vector<char32_t> values_;  // one per slot, 0 = blank
    mutable std::string textCache_;
};

}  // namespace ui
