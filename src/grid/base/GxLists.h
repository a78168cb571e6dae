// Module GxObj: the small containers the grid builds on: integer lists (TIntList and the sort
// column list TSortIndexList), the list of controls placed in cells, a picture referenced by file
// name and a line reader and writer for the grid's text files.
#pragma once

#include <string>
#include <vector>

#include "grid/base/GxObj.h"
#include "platform/rtl/List.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"

namespace gx {

// A list of integers that reports Add, Delete and item changes through OnChange(Self, Col, Row).
class TIntList : public TObject {
public:
    TIntList(int ACol, int ARow) : Col(ACol), Row(ARow) {}

    int Count() const { return items_.Count(); }
    int Add(int Value);
    void Insert(int Index, int Value);  // no event
    void Delete(int Index);
    void DeleteValue(int Value);  // the first equal entry; nothing when absent
    bool HasValue(int Value) const { return items_.Contains(Value); }
    int GetInteger(int Index) const { return items_[Index]; }
    void SetInteger(int Index, int Value);
    void Clear() { items_.Clear(); }
    // Room for Value entries without growing again (no event).
    void SetCapacity(int Value) { items_.SetCapacity(Value); }

    // The entries in decimal joined by ","; writing replaces the list (one event per entry) and
    // raises rtl::EConvertError for an entry that is not an integer.
    std::string StrValue() const;
    void SetStrValue(const std::string& Value);

    int Col;
    int Row;
    TImageChangeEvent OnChange;

private:
    void Changed();
    rtl::TListOf<int> items_;
};

// Sort columns of a multi-column sort: the column in bits 0..30, bit 31 set for descending.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}
    void AddIndex(int ColumnIndex, bool Ascending);
    int FindIndex(int ColumnIndex) const;  // position of the column, -1 when absent
    void ToggleIndex(int ColumnIndex);
    // A header click: with Add the column joins the list (or its direction turns); without it the
    // column becomes the only entry (or, when it already is, its direction turns).
    void ClickColumn(int ColumnIndex, bool Add, bool InitAscending);
    int SortColumns(int Index) const;
    void SetSortColumns(int Index, int Column);
    bool SortDirections(int Index) const;  // True for ascending
    void SetSortDirections(int Index, bool Ascending);
    // "u3;d1": direction letter and column (low 16 bits) per entry. Loading skips entries shorter
    // than two characters or without a number after the letter; a letter other than "u" reads as
    // descending.
    std::string SaveToString() const;
    void LoadFromString(const std::string& s);
};

struct TControlItem {
    int X = 0;
    int Y = 0;
    ui::TControl* Control = nullptr;  // not owned
};

// The controls the grid places in cells.
class TControlList : public TObject {
public:
    void AddControl(int X, int Y, ui::TControl* AObject);
    int ControlIndex(int X, int Y) const;  // first item of the cell, -1 when none
    TControlItem* GetControl(int i) { return &items_.at(static_cast<std::size_t>(i)); }
    int Count() const { return static_cast<int>(items_.size()); }
    void RemoveControl(int i);  // removes the item, not its control
    // Whether some item's control is the windowed control standing for Handle.
    bool HasHandle(ui::HWND Handle) const;

private:
    std::vector<TControlItem> items_;
};

// A picture kept as its file name: loaded once for its size, and again on every draw.
class TFilePicture : public TObject {
public:
    const std::string& Filename() const { return filename_; }
    // Stores the name and reads the picture's size; a file that cannot be loaded raises its error
    // and leaves the size 0 x 0.
    void SetFilename(const std::string& Value);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Draws the file stretched into r; nothing when there is no name or the file cannot be read.
    void DrawPicture(ui::TCanvas* Canvas, const ui::TRect& r) const;
    void Assign(const TFilePicture& Source);

private:
    std::string filename_;
    int width_ = 0;
    int height_ = 0;
};

// A string list read and written line by line.
class TFileStringList : public rtl::TStringList {
public:
    void Reset();
    bool Eof() const { return linePointer_ >= Count(); }
    void ReadLn(std::string& s);         // past the last line the list's index check raises
    void Write(const std::string& s);    // appends to the pending text
    void WriteLn(const std::string& s);  // the pending text and s as a new line

private:
    int linePointer_ = 0;
    std::string pending_;
};

}  // namespace gx
