#pragma once
// The topic template editor: one Template (or Topic) cell of the MQTT topics in a larger text box,
// with a legend of the keywords a template can hold. It hands back only its modal result; the
// opener reads RE_TopicTemplate.

#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "grid/stringgrid/GxGrid.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/StdCtrls.h"

class TFTopicTemplate : public ui::TForm {
public:
    explicit TFTopicTemplate(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TRichEdit* RE_TopicTemplate;
    ui::TSplitter* Splitter1;
    ui::TPanel* P_Legend;
    ui::TLabel* L_List_Keywords;
    gx::TGxStringGrid* GSG_Keywords;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;

    // Non-zero while the edited text is a template (the caption says so), 0 for a topic.
    int TopicTemplate = 0;
    // The legend: keyword i and its description. The converter offers none besides the Template
    // columns' own "$VALUE$", so both stay empty.
    std::vector<std::string> Keywords;
    std::vector<std::string> Keyword_Descriptions;

    void FormShow(ui::TObject* Sender);
    void Laod_Keywords();
    void Set_Lang();
};

extern TFTopicTemplate* FTopicTemplate;
