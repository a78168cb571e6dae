// TFIEC_61850_Access: the model tree of the device picked in the list, its
// pictures and colours, and what a click in it picks.
#include "tables/iec61850_it/UIEC_61850_Access.h"

namespace {

// Picture index of each kind of node.
enum TNode_Picture { Pic_Device, Pic_LDevice, Pic_LN, Pic_DO, Pic_DA, Pic_DataSet };

// One 16 x 16 picture: a filled shape with a darker outline, on a transparent
// (fuchsia) ground.
void Draw_Picture(ui::TBitmap& b, int kind)
{
    constexpr ui::TColor ground = ui::clFuchsia;
    b.SetSize(16, 16);
    ui::TCanvas* c = b.Canvas();
    c->Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    c->Brush()->SetColor(ground);
    c->FillRect({0, 0, 16, 16});
    c->Pen()->SetStyle(ui::TPenStyle::psSolid);
    switch (kind) {
    case Pic_Device:  // a server cabinet
        c->Pen()->SetColor(ui::RGB(0x40, 0x40, 0x40));
        c->Brush()->SetColor(ui::RGB(0xB0, 0xB8, 0xC8));
        c->Rectangle(3, 1, 13, 15);
        c->Brush()->SetColor(ui::RGB(0x30, 0xC0, 0x30));
        c->FillRect({5, 3, 7, 5});
        c->Pen()->SetColor(ui::RGB(0x40, 0x40, 0x40));
        c->MoveTo(5, 8);
        c->LineTo(11, 8);
        c->MoveTo(5, 11);
        c->LineTo(11, 11);
        break;
    case Pic_LDevice:  // a folder
        c->Pen()->SetColor(ui::RGB(0x90, 0x70, 0x10));
        c->Brush()->SetColor(ui::RGB(0xF0, 0xD0, 0x60));
        c->Rectangle(1, 4, 15, 14);
        c->Rectangle(1, 2, 7, 5);
        break;
    case Pic_LN:  // a blue block
        c->Pen()->SetColor(ui::RGB(0x10, 0x30, 0x90));
        c->Brush()->SetColor(ui::RGB(0x70, 0x90, 0xF0));
        c->Rectangle(2, 2, 14, 14);
        c->Pen()->SetColor(ui::clWhite);
        c->MoveTo(5, 5);
        c->LineTo(11, 5);
        c->MoveTo(5, 8);
        c->LineTo(11, 8);
        break;
    case Pic_DO:  // a blue diamond
        c->Pen()->SetColor(ui::RGB(0x00, 0x00, 0xA0));
        c->Brush()->SetColor(ui::RGB(0x60, 0x80, 0xFF));
        c->Polygon({{8, 1}, {14, 8}, {8, 14}, {2, 8}});
        break;
    case Pic_DA:  // a small grey dot
        c->Pen()->SetColor(ui::RGB(0x30, 0x30, 0x30));
        c->Brush()->SetColor(ui::RGB(0xE8, 0xE8, 0xE8));
        c->Ellipse(4, 4, 12, 12);
        break;
    default:  // data set: a green list
        c->Pen()->SetColor(ui::RGB(0x10, 0x70, 0x10));
        c->Brush()->SetColor(ui::RGB(0x90, 0xE0, 0x90));
        c->Rectangle(2, 1, 14, 15);
        for (int y = 4; y <= 11; y += 3) {
            c->MoveTo(4, y);
            c->LineTo(12, y);
        }
        break;
    }
}

ui::TTreeNode* Add_Node(ui::TTreeView* tv, ui::TTreeNode* parent, const std::string& text, int picture, void* data)
{
    ui::TTreeNode* node = tv->Items()->AddChildObject(parent, text, data);
    node->SetImageIndex(picture);
    node->SetSelectedIndex(picture);
    return node;
}

}  // namespace

void TFIEC_61850_Access::Build_Pictures()
{
    IL_IEC = new ui::TImageList(this);
    IL_IEC->SetName("IL_IEC");
    IL_IEC->SetSize(16, 16);
    for (int kind = Pic_Device; kind <= Pic_DataSet; ++kind) {
        ui::TBitmap b;
        Draw_Picture(b, kind);
        IL_IEC->AddMasked(b, ui::clFuchsia);
    }
}

iec::TIEC_Device* TFIEC_61850_Access::Selected_Device() const
{
    const int i = LB_IEC_Devices->ItemIndex();
    if (i < 0 || i >= static_cast<int>(List_IEC_Dev.size()))
        return nullptr;
    return List_IEC_Dev[static_cast<std::size_t>(i)].get();
}

void TFIEC_61850_Access::Clear_Tree()
{
    TV_IEC_Device->Items()->Clear();
    NODE_ORIG = nullptr;
    // Nothing may compare with, or follow, a node that is gone.
    Model.Forget_Tree();
}

void TFIEC_61850_Access::Show_Tree_IEC_Device(iec::TIEC_Device* device)
{
    ui::TTreeNodes* items = TV_IEC_Device->Items();
    items->BeginUpdate();
    ui::TTreeNode* root = Add_Node(TV_IEC_Device, nullptr, device->fName, Pic_Device, device);
    device->TreeNode = root;
    NODE_ORIG = root;
    for (const auto& ld : device->List_LDevice)
        Show_Tree_IEC_LDevice(root, ld.get());
    root->Expand(false);
    items->EndUpdate();
}

void TFIEC_61850_Access::Show_Tree_IEC_LDevice(ui::TTreeNode* parent, iec::TIEC_LDevice* ld)
{
    ui::TTreeNode* node = Add_Node(TV_IEC_Device, parent, ld->fName, Pic_LDevice, ld);
    ld->TreeNode = node;
    for (const auto& ln : ld->List_LN)
        Show_Tree_IEC_LN(node, ln.get());
    node->Expand(false);
}

void TFIEC_61850_Access::Show_Tree_IEC_LN(ui::TTreeNode* parent, iec::TIEC_LN* ln)
{
    ui::TTreeNode* node = Add_Node(TV_IEC_Device, parent, ln->fPrefix + ln->flnClass + ln->fInst, Pic_LN, ln);
    ln->TreeNode = node;
    for (const auto& dobj : ln->List_DO)
        Show_Tree_IEC_DO(node, dobj.get());
    for (const auto& ds : ln->List_DataSet)
        Show_Tree_IEC_DataSet(node, ds.get());
    node->Expand(false);
}

void TFIEC_61850_Access::Show_Tree_IEC_DO(ui::TTreeNode* parent, iec::TIEC_DO* dobj)
{
    ui::TTreeNode* node = Add_Node(TV_IEC_Device, parent, dobj->fName, Pic_DO, dobj);
    dobj->TreeNode = node;
    for (const auto& sub : dobj->List_DO)
        Show_Tree_IEC_DO(node, sub.get());
    for (const auto& da : dobj->List_DA)
        Show_Tree_IEC_DA(node, da.get());
}

void TFIEC_61850_Access::Show_Tree_IEC_DA(ui::TTreeNode* parent, iec::TIEC_DA* da)
{
    ui::TTreeNode* node = Add_Node(TV_IEC_Device, parent, da->fName, Pic_DA, da);
    da->TreeNode = node;
    for (const auto& component : da->List_DA)
        Show_Tree_IEC_DA(node, component.get());
}

void TFIEC_61850_Access::Show_Tree_IEC_DataSet(ui::TTreeNode* parent, iec::TIEC_DataSet* ds)
{
    ui::TTreeNode* node = Add_Node(TV_IEC_Device, parent, ds->fName, Pic_DataSet, ds);
    ds->TreeNode = node;
}

void TFIEC_61850_Access::LB_IEC_DevicesClick(ui::TObject*)
{
    iec::TIEC_Device* device = Selected_Device();
    if (!device)
        return;
    Clear_Tree();
    Show_Tree_IEC_Device(device);
    Model.Clear_Choice();
}

void TFIEC_61850_Access::TV_IEC_DeviceCustomDrawItem(ui::TTreeView* Sender, ui::TTreeNode* Node, ui::TCustomDrawState,
                                                     bool&)
{
    const ui::TColor color = Node->ImageIndex() == Pic_DO        ? ui::clBlue
                             : Node->ImageIndex() == Pic_DataSet ? ui::clGreen
                                                                 : ui::clBlack;
    Sender->Canvas()->Font()->SetColor(color);
}

void TFIEC_61850_Access::TV_IEC_DeviceClick(ui::TObject*)
{
    Model.Choose_In_Tree(LB_IEC_Devices->ItemIndex(), TV_IEC_Device->Selected());
}
