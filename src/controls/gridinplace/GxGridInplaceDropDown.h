// The drop-down editors as cell editors of the string grid. Each class derives from its editor and
// adds what a cell editor needs: the link to the owning grid, keys that store and validate the value
// and end the edit or move to another cell, the grid's key-press and edit-change events, and the
// end of the edit when the focus leaves. They differ in how the value goes in and out of the cell.
#pragma once

#include <string>

#include "controls/dropdown/GxCalculatorDropdown.h"
#include "controls/dropdown/GxColorPickerDropDown.h"
#include "controls/dropdown/GxDetailDropDown.h"
#include "controls/dropdown/GxImagePickerDropDown.h"
#include "controls/dropdown/GxMemoDropDown.h"
#include "controls/dropdown/GxMultiColumnDropDown.h"
#include "controls/dropdown/GxTimePickerDropDown.h"
#include "controls/dropdown/GxTrackBarDropDown.h"
#include "controls/griddropdown/GxGridDropDown.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridDropDownEditors.h"

namespace gridinplace {

// What the editor set needs of every cell editor, whatever its editor class.
class ICellDropDown {
public:
    virtual ~ICellDropDown() = default;
    virtual dropdown::TGxCustomDropDown* Control() = 0;
    // The cell's value into the editor (display column ACol, real column ARealCol).
    virtual void ValueIn(const std::string& Value, int ARealCol, int ARow) = 0;
    // Runs after the editor took the focus and the start character was posted: the whole text
    // selected or the caret at its end, as the grid's text editor has it.
    virtual void AfterFocus() = 0;
    // The editor's value into the cell (real column).
    virtual void ValueOut(int ARealCol, int ARow) = 0;
    // True for the kinds whose colour and editing are set before the program's editor event.
    virtual bool EarlyColor() const { return false; }
};

// The cell editor behaviour on top of editor class Base.
template <class Base>
class TGridDropDownEditor : public Base, public ICellDropDown {
public:
    // AOwner must be a TGxStringGrid (rtl::EInvalidCast otherwise).
    explicit TGridDropDownEditor(ui::TComponent* AOwner);
    gx::TGxStringGrid* OwnerGrid() const { return FGrid; }
    dropdown::TGxCustomDropDown* Control() override { return this; }
    void ValueOut(int ARealCol, int ARow) override;
    void AfterFocus() override;

protected:
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Change() override;
    void DoExit() override;
    unsigned WantKeys() const override;

    // Keys that leave or commit the edit; the others are the editor's own.
    virtual bool IsCellKey(unsigned Key, ui::TShiftState Shift) const;
    // Keys that store and validate before the edit ends.
    virtual bool IsValidatingKey(unsigned Key) const;
    // Escape: the editor shows the cell's stored value again.
    virtual void RestoreValue();
    // Writes a text into the editor as it stands.
    virtual void WriteText(const std::string& S) { this->SetTextDirect(S); }
    // Claims Enter and Escape from the form besides Tab.
    virtual bool ClaimsEnterEscape() const { return false; }
    // Runs before Enter stores the value.
    virtual void BeforeEnter() {}

    gx::TGxStringGrid* FGrid;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<dropdown::TGxTrackBarDropDown> {
public:
    explicit TGridTrackbarDropDown(ui::TComponent* AOwner);
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;
    void DoChange() {}

protected:
    void WriteText(const std::string& S) override { SetText(S); }
    bool ClaimsEnterEscape() const override { return true; }
};

class TGridMemoDropDown : public TGridDropDownEditor<dropdown::TGxMemoDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;
    void AfterFocus() override;
    // The memo's lines joined by CR LF, without a line end after the last.
    void ValueOut(int ARealCol, int ARow) override;
};

class TGridCalculatorDropDown : public TGridDropDownEditor<dropdown::TGxCalculatorDropdown> {
public:
    explicit TGridCalculatorDropDown(ui::TComponent* AOwner);
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;

protected:
    void BeforeEnter() override { CalcResult(); }
};

class TGridTimepickerDropDown : public TGridDropDownEditor<dropdown::TGxTimePickerDropDown> {
public:
    explicit TGridTimepickerDropDown(ui::TComponent* AOwner);
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<dropdown::TGxDetailDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;
    void AfterFocus() override;
};

class TGridGridDropDown : public TGridDropDownEditor<dropdown::TGxMultiColumnDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;
    bool EarlyColor() const override { return true; }
};

class TGridColorDropDown : public TGridDropDownEditor<dropdown::TGxColorPickerDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;
    // The chosen colour as the cell's text and as its shape or background colour.
    void ValueOut(int ARealCol, int ARow) override;

protected:
    bool IsCellKey(unsigned Key, ui::TShiftState Shift) const override;
    bool IsValidatingKey(unsigned Key) const override { return Key == ui::VK_RETURN; }
    // Escape brings back the colour the cell had, not the one navigated to.
    void RestoreValue() override;
    bool ClaimsEnterEscape() const override { return true; }

private:
    ui::TColor FColorIn = ui::clNone;
};

class TGridImageDropDown : public TGridDropDownEditor<dropdown::TGxImagePickerDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;
    // The chosen image index into an image-list or data-image cell.
    void ValueOut(int ARealCol, int ARow) override;

protected:
    // Escape brings back the image the cell had.
    void RestoreValue() override;

private:
    int FImageIn = -1;
};

class TGridGxGridDropDown : public TGridDropDownEditor<dropdown::TCustomGxGridDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    dropdown::griddrop::TGxColGrid* Grid() const { return GetGrid(); }
    void ValueIn(const std::string& Value, int ARealCol, int ARow) override;
    bool EarlyColor() const override { return true; }
};

// Reads a whole number as the track bar cell does: decimal, or hexadecimal after "$", "x" or "0x";
// reading stops at the first character that does not fit and keeps what was read (0 for nothing).
int ReadCellInteger(const std::string& S);

// Makes every string grid edit its cells of the nine drop-down kinds with these editors.
void InstallGridDropDownEditors();

// A grid's editor of a kind, made on first use (nullptr when the editors are not installed), so
// that a program can fill its items and settings before the cells are edited.
template <class Editor>
Editor* GridEditor(gx::TGxStringGrid& Grid, gx::TEditorType Kind)
{
    gx::IGridDropDownEditors* editors = Grid.DropDownEditors();
    return editors ? dynamic_cast<Editor*>(editors->Editor(Kind)) : nullptr;
}
inline TGridTrackbarDropDown* TrackbarDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridTrackbarDropDown>(G, gx::edTrackbarDropDown);
}
inline TGridMemoDropDown* MemoDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridMemoDropDown>(G, gx::edMemoDropDown);
}
inline TGridCalculatorDropDown* CalculatorDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridCalculatorDropDown>(G, gx::edCalculatorDropDown);
}
inline TGridTimepickerDropDown* TimePickerDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridTimepickerDropDown>(G, gx::edTimePickerDropDown);
}
inline TGridDetailPickerDropDown* DetailPickerDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridDetailPickerDropDown>(G, gx::edDetailDropDown);
}
inline TGridGridDropDown* GridDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridGridDropDown>(G, gx::edGridDropDown);
}
inline TGridColorDropDown* ColorPickerDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridColorDropDown>(G, gx::edColorPickerDropDown);
}
inline TGridImageDropDown* ImagePickerDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridImageDropDown>(G, gx::edImagePickerDropDown);
}
inline TGridGxGridDropDown* GxGridDropDown(gx::TGxStringGrid& G)
{
    return GridEditor<TGridGxGridDropDown>(G, gx::edGxGridDropDown);
}

}  // namespace gridinplace
