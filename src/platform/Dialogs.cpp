#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "platform/Application.h"
#include "platform/GuiApp.h"
#include "platform/NativeBridge.h"
#include "platform/ScriptState.h"

namespace plat {

namespace {

const struct {
    TMsgDlgButtons flag;
    QMessageBox::StandardButton qt;
    TModalResult result;
} kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},          {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},             {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore}, {mbAll, QMessageBox::YesToAll, mrAll},
    {mbNoToAll, QMessageBox::NoToAll, mrNoToAll}, {mbYesToAll, QMessageBox::YesToAll, mrYesToAll},
    {mbClose, QMessageBox::Close, mrClose},
};

// What a box answers when nobody presses a button: OK or Yes when offered,
// else its first button.
TModalResult DefaultAnswer(TMsgDlgButtons buttons) {
    if (buttons & mbOK) return mrOk;
    if (buttons & mbYes) return mrYes;
    for (const auto& b : kButtons)
        if (buttons & b.flag) return b.result;
    return mrOk;
}

// What closing the box by its frame answers.
TModalResult EscapeAnswer(TMsgDlgButtons buttons) {
    if (buttons & mbCancel) return mrCancel;
    if (buttons & mbNo) return mrNo;
    if (buttons & mbOK) return mrOk;
    return DefaultAnswer(buttons);
}

std::string TypeCaption(TMsgDlgType type) {
    switch (type) {
        case mtWarning: return "Warning";
        case mtError: return "Error";
        case mtInformation: return "Information";
        case mtConfirmation: return "Confirm";
        default: return Application != nullptr ? Application->Title() : std::string();
    }
}

// "Text (*.txt)|*.txt|All|*.*" -> "Text (*.txt);;All (*.*)".
QString ToQtFilter(const std::string& filter) {
    QStringList parts = ToQ(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i].trimmed();
        // The toolkit reads the patterns from the last parentheses.
        desc.remove(QRegularExpression(R"(\s*\([^()]*\)\s*$)"));
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << QString("%1 (%2)").arg(desc, patterns.trimmed());
    }
    return out.join(";;");
}

std::string NormalizedExt(const std::string& ext) {
    size_t i = 0;
    while (i < ext.size() && (ext[i] == '*' || ext[i] == '.')) ++i;
    return ext.substr(i);
}

}  // namespace

TModalResult MessageDlgCaption(const std::string& Caption, const std::string& Msg, TMsgDlgType DlgType,
                               TMsgDlgButtons Buttons) {
    if (Buttons == 0) Buttons = mbOK;
    if (test::Scripted()) {
        TModalResult r = mrNone;
        if (!test::internal::TakeBoxAnswer(r)) r = DefaultAnswer(Buttons);
        test::internal::RecordBox({Caption, Msg, DlgType, Buttons, r});
        return r;
    }
    EnsureGuiApplication();
    // A box belongs to the window it speaks for: owned by it, the window
    // manager keeps it above that window and treats it as its dialog.
    QMessageBox box(QApplication::activeWindow());
    // A message is read and answered, never minimised, maximised or sized:
    // its frame offers the close button and nothing else.
    box.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                       Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.setWindowTitle(ToQ(Caption));
    box.setText(ToQ(Msg));
    switch (DlgType) {
        case mtWarning: box.setIcon(QMessageBox::Warning); break;
        case mtError: box.setIcon(QMessageBox::Critical); break;
        case mtInformation: box.setIcon(QMessageBox::Information); break;
        case mtConfirmation: box.setIcon(QMessageBox::Question); break;
        default: break;
    }
    std::vector<std::pair<QAbstractButton*, TModalResult>> map;
    for (const auto& b : kButtons)
        if (Buttons & b.flag) {
            QPushButton* pb = b.flag == mbAll ? box.addButton("All", QMessageBox::AcceptRole) : box.addButton(b.qt);
            map.emplace_back(pb, b.result);
            if (b.result == DefaultAnswer(Buttons)) box.setDefaultButton(pb);
        }
    box.exec();
    for (const auto& [button, result] : map)
        if (box.clickedButton() == button) return result;
    return EscapeAnswer(Buttons);
}

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int) {
    return MessageDlgCaption(TypeCaption(DlgType), Msg, DlgType, Buttons);
}

void ShowMessage(const std::string& Msg) {
    MessageDlgCaption(Application != nullptr ? Application->Title() : std::string(), Msg, mtCustom, mbOK);
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

TSaveDialog::TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) { FKind = fdSave; }

bool TOpenDialog::Execute() {
    std::optional<std::string> answer;
    if (test::Scripted()) {
        test::internal::RecordFileDialog({FKind, Title, Filter, InitialDir, FileName});
        if (!test::internal::TakeFileAnswer(answer)) answer.reset();
    } else {
        EnsureGuiApplication();
        QFileDialog dlg(nullptr, ToQ(Title), ToQ(InitialDir), ToQtFilter(Filter));
        dlg.setOption(QFileDialog::DontUseNativeDialog, true);
        dlg.setAcceptMode(FKind == fdSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (FKind == fdSave) {
            dlg.setFileMode(QFileDialog::AnyFile);
            dlg.setOption(QFileDialog::DontConfirmOverwrite, !(Options & ofOverwritePrompt));
        } else {
            dlg.setFileMode((Options & ofAllowMultiSelect) ? QFileDialog::ExistingFiles
                            : (Options & ofFileMustExist) ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);
        }
        QStringList filters = dlg.nameFilters();
        if (FilterIndex >= 1 && FilterIndex <= filters.size()) dlg.selectNameFilter(filters[FilterIndex - 1]);
        if (!FileName.empty()) dlg.selectFile(ToQ(FileName));
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
            answer = FromQ(dlg.selectedFiles().first());
        FilterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    }
    if (!answer) return false;
    std::string name = *answer;
    // A name typed without an extension takes the default one; a default
    // written as a pattern ("*.eds") must not put the asterisk in the name.
    const std::string ext = NormalizedExt(DefaultExt);
    if (!ext.empty()) {
        const size_t slash = name.find_last_of("/\\");
        const std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
        if (base.find('.') == std::string::npos) name += "." + ext;
    }
    FileName = name;
    return true;
}

bool SelectDirectory(const std::string& Caption, const std::string& Root, std::string& Directory) {
    std::optional<std::string> answer;
    if (test::Scripted()) {
        test::internal::RecordFileDialog({fdFolder, Caption, "", Root, Directory});
        if (!test::internal::TakeFileAnswer(answer)) answer.reset();
    } else {
        EnsureGuiApplication();
        QString dir = QFileDialog::getExistingDirectory(nullptr, ToQ(Caption),
                                                        ToQ(Directory.empty() ? Root : Directory),
                                                        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (!dir.isEmpty()) answer = FromQ(dir);
    }
    if (!answer) return false;
    Directory = *answer;
    return true;
}

}  // namespace plat
