#pragma once
// Internal to the platform folder: what the dialogs and forms ask of the
// test hooks while a TScriptedUi exists.

#include <functional>
#include <optional>
#include <string>

#include "platform/TestHooks.h"

class QAccessibleEvent;

namespace plat::test::internal {

// A queued answer for the box, or false when none is queued.
bool TakeBoxAnswer(TModalResult& Result);
void RecordBox(const TShownBox& Box);
// A queued answer for a file dialog: a path, or nullopt for cancel; false
// when nothing is queued.
bool TakeFileAnswer(std::optional<std::string>& Answer);
void RecordFileDialog(const TShownFileDialog& Dialog);
void RecordOpened(const std::string& Target);
void RecordBeep();
// True while a test listens to what screen readers are told, as an active
// reader would; the events a reader would get are handed to it.
bool& AccessibilityListened();
void NoteAccessibleEvent(QAccessibleEvent& Event);
// The next modal-form script (empty when none is queued).
std::function<TModalResult(TForm&)> TakeModalScript();

}  // namespace plat::test::internal
