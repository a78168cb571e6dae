#pragma once
// MQTT topics: the topics the converter publishes (position, type and size of the value, template,
// when to publish) and those it subscribes to, in MQTT_Set_Topic.xml. A rule table on the frame
// (core/tables/mqtt_snmp/MQTTSetTopicTable holds the tables); a double click on a Template cell
// edits it in the topic template editor.

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFMQTT_Set_Topic : public dlg::TFTableFrame {
public:
    explicit TFMQTT_Set_Topic(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG_Pub;
    dlg::TFrameColumnGrid* ACG_Sub;
    rtl::TStringList& Hint_MQTT_Set_Topic_Pub;
    rtl::TStringList& Hint_MQTT_Set_Topic_Sub;
    bool& Do_Copy_Pub;
    bool& Do_Copy_Sub;
    // Bytes of the data arrays that publish and subscribe positions address; set at every show.
    std::int64_t Byte_IN() const { return State.Var("Byte_IN"); }
    std::int64_t Byte_OUT() const { return State.Var("Byte_OUT"); }

    // Header double click auto-sizes; then, when the current cell is a Template cell, the editor.
    void ACG_MQTT_DblClickCell(ui::TObject* Sender, int ARow, int ACol);
    // Runs the topic template editor on one cell: OK puts its text into the cell.
    void Show_Form_Topic(gx::TGxStringGrid* grid, int row, int col);
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
