#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "gui/common/user_prompts.h"
#include "qt_printers.h"

namespace hueset::gui::test {

// Answers every question of the program from a script and records what was
// asked, so no test waits for a window. Every question must come on the GUI
// thread, as a dialog would need.
class ScriptedPrompts final : public UserPrompts {
 public:
  struct Message {
    QString title;
    QString text;
    PromptIcon icon;
    PromptButtons buttons;
  };

  // Answers to message boxes, in order; when they run out: Ok, Yes or
  // the first button.
  std::deque<PromptAnswer> answers;
  // Answers to list choices: a position, or none for Cancel. When they run
  // out: OK with the offered selection.
  std::deque<std::optional<int>> listAnswers;
  bool acceptProblems = true;
  std::optional<FileChoice> annotationFile;
  QString documentToOpen;
  QString documentToSave;
  // Called when a message box would open, before it is recorded.
  std::function<void(const Message&)> onMessage;
  // Called when a list choice would open, before it is answered.
  std::function<void(const ListChoice&)> onList;

  std::vector<Message> messages;
  std::vector<ListChoice> lists;
  std::vector<std::vector<CharacterProblem>> problemReports;
  std::vector<std::string> unequalLengthHeadings;
  std::vector<QString> annotationFolders;
  std::vector<QString> documentFolders;  // where the Open dialog started
  int installHelpShown = 0;

  PromptAnswer message(QWidget*, const QString& title, const QString& text, PromptIcon icon,
                       PromptButtons buttons) override {
    expectGuiThread();
    Message m{title, text, icon, buttons};
    if (onMessage) onMessage(m);
    messages.push_back(m);
    return nextAnswer(answers,
                      (buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel)
                          ? PromptAnswer::Yes
                          : PromptAnswer::Ok);
  }
  std::optional<int> chooseFromList(QWidget*, const ListChoice& choice) override {
    expectGuiThread();
    if (onList) onList(choice);
    lists.push_back(choice);
    return nextAnswer(listAnswers, std::optional<int>(choice.selected));
  }
  bool acceptCharacterProblems(QWidget*, const std::vector<CharacterProblem>& problems) override {
    expectGuiThread();
    problemReports.push_back(problems);
    return acceptProblems;
  }
  void showUnequalLengths(QWidget*, const std::string& heading, const Alignment&) override {
    expectGuiThread();
    unequalLengthHeadings.push_back(heading);
  }
  std::optional<FileChoice> chooseAnnotationFile(QWidget*, const QString& folder,
                                                 const QString&) override {
    annotationFolders.push_back(folder);
    return annotationFile;
  }
  QString chooseDocumentToOpen(QWidget*, const QString& folder) override {
    documentFolders.push_back(folder);
    return documentToOpen;
  }
  QString chooseDocumentToSave(QWidget*, const QString&) override { return documentToSave; }
  void showInstallHelp(QWidget*) override { ++installHelpShown; }

 private:
  // The next scripted answer, or `otherwise` once the script has run out.
  template <class Answer>
  static Answer nextAnswer(std::deque<Answer>& script, Answer otherwise) {
    if (script.empty()) return otherwise;
    Answer a = script.front();
    script.pop_front();
    return a;
  }

  static void expectGuiThread() {
    EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread())
        << "a question asked off the GUI thread";
  }
};

}  // namespace hueset::gui::test
