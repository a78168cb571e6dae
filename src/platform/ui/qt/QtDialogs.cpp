#include "platform/ui/qt/QtDialogs.h"

#include "platform/ui/qt/QtSupport.h"
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui::qt {

std::string QtFilterFromDesktopFilter(const std::string& filter)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= filter.size()) {
        std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns = parts[i + 1];
        for (char& c : patterns)
            if (c == ';')
                c = ' ';
        if (!out.empty())
            out += ";;";
        // A description that already shows its pattern ("ESI File (*.xml)") keeps it once.
        const std::string shown = "(" + patterns + ")";
        const std::string& text = parts[i];
        bool hasIt = text.size() >= shown.size() && text.compare(text.size() - shown.size(), shown.size(), shown) == 0;
        out += hasIt ? text : text + " " + shown;
    }
    return out;
}

int QtDialogs::MessageBox(const TMessageBoxRequest& r)
{
    EnsureApplication();
    if (IsOffscreen())
        return DefaultMessageBoxAnswer(r.Flags);
    QMessageBox box;
    box.setWindowTitle(ToQString(r.Caption));
    box.setText(ToQString(r.Text));
    switch (r.Flags & 0xF0) {
    case MB_ICONERROR:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONWARNING:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct Button {
        QMessageBox::StandardButton qt;
        int id;
    };
    static const std::vector<std::vector<Button>> sets = {
        {{QMessageBox::Ok, IDOK}},
        {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}},
        {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}},
        {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}},
        {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}},
        {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}},
    };
    unsigned type = r.Flags & 0x0F;
    const auto& set = sets[type < sets.size() ? type : 0];
    for (const Button& b : set)
        box.addButton(b.qt);
    unsigned def = (r.Flags >> 8) & 0x0F;
    box.setDefaultButton(set[def < set.size() ? def : 0].qt);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const Button& b : set)
        if (clicked == box.button(b.qt))
            return b.id;
    return set.size() > 1 ? IDCANCEL : IDOK;
}

TFileDialogAnswer QtDialogs::FileDialog(const TFileDialogRequest& r)
{
    EnsureApplication();
    TFileDialogAnswer a;
    if (IsOffscreen())
        return a;
    QFileDialog dlg(nullptr, ToQString(r.Title), ToQString(r.InitialDir),
                    ToQString(QtFilterFromDesktopFilter(r.Filter)));
    dlg.setAcceptMode(r.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!r.DefaultExt.empty())
        dlg.setDefaultSuffix(ToQString(r.DefaultExt));
    if (!r.Save)
        dlg.setFileMode((r.Options & ofAllowMultiSelect) ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (r.Save && !(r.Options & ofOverwritePrompt))
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters = dlg.nameFilters();
    if (r.FilterIndex >= 1 && r.FilterIndex <= filters.size())
        dlg.selectNameFilter(filters[r.FilterIndex - 1]);
    if (!r.FileName.empty())
        dlg.selectFile(ToQString(r.FileName));
    if (dlg.exec() != QDialog::Accepted)
        return a;
    a.Accepted = true;
    for (const QString& f : dlg.selectedFiles())
        a.Files.push_back(FromQString(f));
    a.FilterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    return a;
}

}  // namespace ui::qt
