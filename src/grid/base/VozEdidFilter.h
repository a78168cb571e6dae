// Module VozEdid: the filter language with which the grid filters rows and finds cells. A filter
// such as ">=10&<20", "A*|B*" or "!*test*" is matched against the text of one cell.
//
// A filter is made of conditions joined by "&" (and) and ";", "^", "|" (or), applied strictly from
// left to right, with parentheses for groups; double quotes protect what they enclose. A condition
// is a comparison (">", ">=", "<", "<=": as numbers, else as dates, else as texts) or a pattern
// with "*" and "?"; "!" anywhere in a pattern negates it. Regional settings (rtl::Regional()) give
// the number separators and the date order. Nothing is reported: a malformed part fails its test.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/DateTime.h"

namespace gx {

// Comparison operands longer than this do not match.
constexpr int kFilterOperandMax = 255;

bool MatchFilterExpression(std::string_view Filter, std::string_view Value, bool CaseSensitive);

// A filter read once for matching many texts (a pass over the rows): the expression's structure,
// its conditions (upper-cased once unless CaseSensitive) and the operands of their comparisons are
// read when it is made, with the regional settings of that time. Match gives what
// MatchFilterExpression gives for the same filter and text, reading each text once for all the
// conditions. One matcher serves one thread.
class TFilterMatcher {
public:
    TFilterMatcher(std::string_view Filter, bool CaseSensitive);
    ~TFilterMatcher();
    TFilterMatcher(const TFilterMatcher&) = delete;
    TFilterMatcher& operator=(const TFilterMatcher&) = delete;
    bool Match(std::string_view Value);

private:
    struct Step;
    struct Expression;
    struct Term;
    // The one comparison with a number a whole filter may be, answered for a number text directly.
    struct NumberTest {
        bool Greater, Inclusive;
        double Operand;
        bool Passes(double Value) const;
    };
    Expression Read(std::string_view Filter);
    std::size_t AddTerm(std::string_view Condition);
    void PrepareNumberTest();
    bool Evaluate(const Expression& e);

    bool caseSensitive_;
    std::vector<std::unique_ptr<Term>> terms_;
    std::unique_ptr<Expression> root_;
    std::optional<NumberTest> numberTest_;  // empty unless the filter is such a comparison
    // The text being matched as the conditions read it (room used again text after text); chars_
    // holds the characters of text_ once charsReady_.
    std::string upper_, utf8_;
    std::u32string chars_;
    std::string_view text_, utf8View_;
    bool ascii_ = false, charsReady_ = false;
};
// One condition; both texts upper-cased by the regional rules when not CaseSensitive.
bool MatchFilterTerm(std::string_view Condition, std::string_view Value, bool CaseSensitive);
bool MatchFilterCondition(std::string_view Condition, std::string_view Value);

// The first character of Chars in Text that stands outside double quotes (an even number of
// quotes before it), with its 0-based position; 0 and -1 when there is none.
char FindOperatorOutsideQuotes(std::string_view Chars, std::string_view Text, int& Pos);
// Removes the blanks that stand outside double quotes.
std::string RemoveBlanksOutsideQuotes(std::string_view Text);
// 1-based position of the ")" that closes the first "(" (quotes are not considered); 0 when the
// parentheses never balance.
int FindClosingParenthesis(std::string_view Text);
// The regional decimal separator as ".", the regional thousand separator left out.
std::string NormalizeNumberText(std::string_view Text);
// A date in the order of the regional short date format with its date separator, optionally
// followed by a blank and a time with the regional time separator. The year is taken as written.
bool ParseLocaleDateTime(std::string_view Text, rtl::TDateTime& Value);

}  // namespace gx
