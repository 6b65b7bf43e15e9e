#pragma once

class QWidget;

namespace hueset::gui {

class AlignmentDocument;
class AlignmentEditor;
class HuesetApp;

// "Add Structure...": the dialog over the sequences of the editor's text,
// its changes kept by `document`; the folder its file dialog ended in is
// remembered.
void addStructure(HuesetApp& app, AlignmentDocument* document, AlignmentEditor* editor);

}  // namespace hueset::gui
