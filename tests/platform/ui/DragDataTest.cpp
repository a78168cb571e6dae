// Drag data: URI lists for URLs and files, and drag messages handed to a control or its target.
#include "platform/ui/DragDrop.h"

#include <gtest/gtest.h>

#include "platform/ui/StdCtrls.h"

namespace ui {
namespace {

TEST(DragData, FilesTravelAsFileUrls)
{
    TDragData d;
    d.SetFiles({"/tmp/a b.txt", "/data/\xC3\xA4%.csv"});
    EXPECT_EQ(d.Urls(), (std::vector<std::string>{"file:///tmp/a%20b.txt", "file:///data/\xC3\xA4%25.csv"}));
    EXPECT_EQ(d.Files(), (std::vector<std::string>{"/tmp/a b.txt", "/data/\xC3\xA4%.csv"}));

    TDragData other;
    other.SetData(kMimeUriList,
                  "# a comment\r\nhttp://127.0.0.1/x\r\nfile://localhost/etc/hosts\r\nfile://elsewhere/etc/hosts\r\n");
    EXPECT_EQ(other.Urls().size(), 3u);
    EXPECT_EQ(other.Files(), (std::vector<std::string>{"/etc/hosts"}));  // only local files
    EXPECT_EQ(other.Data("application/none"), "");
}

// A control that answers drag messages itself comes first; a registered target gets the rest.
TEST(DragMessages, GoToTheControlOrItsTarget)
{
    struct Answering : TCustomControl {
        using TCustomControl::TCustomControl;
        int seen = 0;
        void WndProc(TMessage& m) override
        {
            if (m.Msg == CM_DROP) {
                ++seen;
                m.Result = 1;
                return;
            }
            TCustomControl::WndProc(m);
        }
    };
    struct Target : IDropTarget {
        int entered = 0, dropped = 0;
        void DragEnter(TDragMessage& m) override
        {
            ++entered;
            m.Effect = deCopy | deLink;
        }
        void DragOver(TDragMessage&) override {}
        void DragLeave() override {}
        void Drop(TDragMessage&) override { ++dropped; }
    } target;
    Answering control(nullptr);
    TDragData data;
    TDragMessage m;
    m.Data = &data;
    m.OkEffects = deCopy;
    EXPECT_FALSE(DeliverDragMessage(&control, CM_DRAGENTER, m));  // takes no drops yet
    RegisterDragDrop(&control, &target);
    EXPECT_TRUE(DeliverDragMessage(&control, CM_DRAGENTER, m));
    EXPECT_EQ(m.Effect, unsigned(deCopy));  // held to what the source allows
    EXPECT_TRUE(DeliverDragMessage(&control, CM_DROP, m));
    EXPECT_EQ(control.seen, 1);
    EXPECT_EQ(target.dropped, 0);
    EXPECT_EQ(target.entered, 1);
    RevokeDragDrop(&control);
}

}  // namespace
}  // namespace ui
