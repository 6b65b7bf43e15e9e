#include "gui/settings/options_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <optional>

#include "field_messages.h"
#include "gui/settings/general_page.h"
#include "gui/settings/options_command.h"
#include "gui/settings/options_page_widget.h"
#include "support/option_field_edges.h"

namespace hueset::gui {
namespace {

using test::Shown;

// Selects the whole text and types over it, key by key.
void typeInto(QWidget* edit, const QString& text) {
  ASSERT_TRUE(edit);
  edit->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(edit, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(edit, text);
  }
}

void clickTab(OptionsDialog& sheet, int index) {
  QTabBar* bar = sheet.tabs()->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  QCoreApplication::processEvents();
}

void click(QAbstractButton* button) {
  ASSERT_TRUE(button);
  QTest::mouseClick(button, Qt::LeftButton);
  QCoreApplication::processEvents();
}

OptionsPageWidget* pageOf(OptionsDialog& sheet, OptionsPage page) {
  return qobject_cast<OptionsPageWidget*>(sheet.page(optionsPageIndex(page)));
}

// The Options command on options of its own, its sheet driven by real
// mouse and key events on the offscreen platform.
class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::recordMessages(command.fieldSupport(), shown);
    QObject::connect(&command, &OptionsCommand::applied, [this](bool toolbar, const QFont& font) {
      appliedToolbar = toolbar;
      appliedFont = font;
    });
  }

  // Opens the sheet and runs `script` on it; true when it closed with OK.
  // A sheet the script leaves open is cancelled.
  bool run(const std::function<void(OptionsDialog&)>& script, const QFont& editorFont = QFont()) {
    command.setRunner([&](OptionsDialog& sheet) {
      sheet.show();
      sheet.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&sheet));
      opened = sheet.activeIndex();
      captions.clear();
      for (int i = 0; i < sheet.tabs()->count(); ++i) captions << sheet.tabs()->tabText(i);
      title = sheet.windowTitle();
      script(sheet);
      QCoreApplication::processEvents();
      if (sheet.isVisible()) sheet.reject();
      return sheet.result();
    });
    return command.showOptions(editorFont);
  }

  Options options;
  OptionsCommand command{options, nullptr};
  std::vector<Shown> shown;
  std::optional<bool> appliedToolbar;
  std::optional<QFont> appliedFont;
  int opened = -1;
  QStringList captions;
  QString title;
};

TEST_F(OptionsDialogTest, ShowsThePagesInOrder) {
  QWidget* focus = nullptr;
  QWidget* consensus = nullptr;
  run([&](OptionsDialog& sheet) {
    focus = QApplication::focusWidget();
    consensus = pageOf(sheet, OptionsPage::Annotate)->field(AnnotateControl::ConsensusThreshold);
  });
  EXPECT_EQ(focus, consensus);  // ready for typing
  EXPECT_EQ(title, QStringLiteral("Options"));
  EXPECT_EQ(captions, (QStringList{"Sequence Annotation", "Data Parsing", "Formatted Output",
                                   "HTML", "General", "Figures", "Figure Rows"}));
  EXPECT_EQ(opened, 0);
  EXPECT_FALSE(appliedFont);  // cancelled
}

TEST_F(OptionsDialogTest, VerboseAndTerseFormsFollowTheOption) {
  for (bool verbose : {true, false}) {
    options.general.verboseDialogues = verbose;
    run([verbose](OptionsDialog& sheet) {
      for (int i = 0; i < kOptionsPageCount; ++i) {
        auto* page = qobject_cast<OptionsPageWidget*>(sheet.page(i));
        ASSERT_TRUE(page);
        EXPECT_EQ(page->layout().number, optionsPageLayout(optionsPageAt(i), verbose));
        int explanations = 0;
        for (QLabel* label : page->labels()) explanations += label->wordWrap() ? 1 : 0;
        EXPECT_EQ(explanations > 0, verbose) << i;
        // Every control of the layout is there, with its text.
        for (const PageItem& item : page->layout().controls()) {
          QWidget* widget = page->control(item.id);
          ASSERT_TRUE(widget) << item.id.value();
          if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text().toStdString(), item.text);
          }
        }
      }
      QLabel* first = pageOf(sheet, OptionsPage::Annotate)->labels().at(verbose ? 1 : 0);
      EXPECT_EQ(first->text(), verbose ? QStringLiteral("Identity &Threshold:")
                                       : QStringLiteral("Identity Threshold:"));
      EXPECT_EQ(first->buddy(),
                pageOf(sheet, OptionsPage::Annotate)->field(AnnotateControl::ConsensusThreshold));
    });
  }
}

TEST_F(OptionsDialogTest, ShowsTheCurrentValues) {
  options.annotation.consensusThreshold = 505;
  options.annotation.elisionThreshold = 5;
  options.output.nameJustification = 2;
  options.output.gapCharacter = '*';
  run([](OptionsDialog& sheet) {
    OptionsPageWidget* annotate = pageOf(sheet, OptionsPage::Annotate);
    EXPECT_EQ(annotate->field(AnnotateControl::ConsensusThreshold)->text(), QStringLiteral("50.5"));
    EXPECT_EQ(annotate->field(AnnotateControl::ElisionThreshold)->text(), QStringLiteral("0.5"));
    EXPECT_EQ(annotate->field(AnnotateControl::MinimumElisionLength)->text(), QStringLiteral("4"));
    EXPECT_TRUE(annotate->button(AnnotateControl::IncludeBlanks)->isChecked());
    OptionsPageWidget* output = pageOf(sheet, OptionsPage::Output);
    EXPECT_TRUE(output->button(OutputControl::JustifyRight)->isChecked());
    EXPECT_EQ(output->edit(OutputControl::GapCharacter)->text(), QStringLiteral("*"));
    EXPECT_EQ(output->edit(OutputControl::SubstitutedGaps)->text(), QStringLiteral("-_~."));
    EXPECT_EQ(output->edit(OutputControl::GapCharacter)->maxLength(), 1);
    EXPECT_TRUE(pageOf(sheet, OptionsPage::Html)->button(HtmlControl::InlineStyles)->isChecked());
    EXPECT_TRUE(pageOf(sheet, OptionsPage::General)->button(GeneralControl::Verbose)->isChecked());
  });
}

using hueset::test::FieldEdge;
using hueset::test::storedValue;

// One field typed on its page, then OK: a refused one keeps the sheet open.
class FieldEdgesThroughTheSheet : public OptionsDialogTest,
                                  public ::testing::WithParamInterface<FieldEdge> {};

TEST_P(FieldEdgesThroughTheSheet, StoredAtOkOrKeptOpen) {
  const FieldEdge& c = GetParam();
  const Options before = options;
  bool openAfterOk = false;
  QWidget* focusAfterOk = nullptr;
  QWidget* field = nullptr;
  const bool ok = run([&](OptionsDialog& sheet) {
    clickTab(sheet, optionsPageIndex(c.page));
    ASSERT_EQ(sheet.activeIndex(), optionsPageIndex(c.page));
    field = pageOf(sheet, c.page)->field(c.field);
    typeInto(field, QString::fromLatin1(c.typed));
    ASSERT_EQ(field->property("text").toString(), QString::fromLatin1(c.typed));
    click(sheet.okButton());
    openAfterOk = sheet.isVisible();
    focusAfterOk = QApplication::focusWidget();
    if (openAfterOk) click(sheet.cancelButton());  // Cancel always works
  });
  if (c.stored) {
    EXPECT_TRUE(ok);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(storedValue(OptionGroups::copyOf(options), c.field, c.page), *c.stored);
  } else {
    EXPECT_FALSE(ok);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(focusAfterOk, field);
    ASSERT_EQ(shown.size(), 1u);  // one message, not one per check
    const std::string name(findNumberField(c.page, c.field)->name);
    EXPECT_TRUE(shown[0].title.toStdString() == name + " Out of Bounds" ||
                shown[0].title == QStringLiteral("Invalid Entry"))
        << shown[0].title.toStdString();
    EXPECT_NE(shown[0].text.toStdString().find(name), std::string::npos);
    EXPECT_EQ(OptionGroups::copyOf(options), OptionGroups::copyOf(before));
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, FieldEdgesThroughTheSheet,
                         ::testing::ValuesIn(hueset::test::sheetFieldEdges()));

// A list the figures could not read keeps the sheet at OK, with what is
// wrong and the cursor in the field; mended, OK stores the page.
TEST_F(OptionsDialogTest, TheFigureRowsPageRefusesAFrameListItCannotRead) {
  QWidget* frames = nullptr;
  bool openAfterOk = false;
  QWidget* focusAfterOk = nullptr;
  const bool ok = run([&](OptionsDialog& sheet) {
    clickTab(sheet, optionsPageIndex(OptionsPage::FigureRows));
    OptionsPageWidget* page = pageOf(sheet, OptionsPage::FigureRows);
    click(page->button(FigureRowsControl::ConservationBar));
    frames = page->edit(FigureRowsControl::Frames);
    typeInto(frames, QStringLiteral("30-52,x"));
    click(sheet.okButton());
    openAfterOk = sheet.isVisible();
    focusAfterOk = QApplication::focusWidget();
    typeInto(frames, QStringLiteral("30-52, 60-64"));
    click(sheet.okButton());
  });
  EXPECT_TRUE(openAfterOk);
  EXPECT_EQ(focusAfterOk, frames);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, QStringLiteral("Invalid Entry"));
  EXPECT_EQ(shown[0].text,
            QStringLiteral("The Frames cannot be read: 'x' is no column or range of columns "
                           "(such as 45 or 120-122, from 1)."));
  EXPECT_TRUE(ok);
  EXPECT_TRUE(options.columnMarks.conservationBar);
  EXPECT_EQ(options.columnMarks.frames, "30-52,60-64");
}

TEST_F(OptionsDialogTest, AnEmptiedNumberFieldIsRefusedWithItsName) {
  run([&](OptionsDialog& sheet) {
    typeInto(pageOf(sheet, OptionsPage::Annotate)->field(AnnotateControl::ConsensusThreshold),
             QString());
    sheet.okButton()->setFocus();  // then Enter, the focus already off the field
    QCoreApplication::processEvents();
    shown.clear();
    click(sheet.okButton());
    EXPECT_TRUE(sheet.isVisible());
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, QStringLiteral("Invalid Entry"));
  EXPECT_EQ(shown[0].text, QStringLiteral("Please enter a valid number for the Consensus."));
  EXPECT_EQ(options.annotation.consensusThreshold, 800);
}

TEST_F(OptionsDialogTest, EnterInAWrongFieldSaysSoOnceAndKeepsTheSheet) {
  QWidget* field = nullptr;
  run([&](OptionsDialog& sheet) {
    field = pageOf(sheet, OptionsPage::Annotate)->field(AnnotateControl::MinimumElisionLength);
    typeInto(field, QStringLiteral("1000"));
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), field);
  });
  test::expectElidedLengthRefused(shown);
}

TEST_F(OptionsDialogTest, LeavingAPageWithAWrongFieldKeepsThePage) {
  QWidget* field = nullptr;
  const bool ok = run([&](OptionsDialog& sheet) {
    field = pageOf(sheet, OptionsPage::Annotate)->field(AnnotateControl::MinimumElisionLength);
    typeInto(field, QStringLiteral("3"));
    clickTab(sheet, 1);
    EXPECT_EQ(sheet.activeIndex(), 0);
    EXPECT_EQ(sheet.tabs()->currentWidget(), sheet.page(0));
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(shown.size(), 1u);

    typeInto(field, QStringLiteral("4"));
    clickTab(sheet, 1);
    EXPECT_EQ(sheet.activeIndex(), 1);
    click(sheet.okButton());
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(options.annotation.minimumElisionLength, 4);
}

TEST_F(OptionsDialogTest, CancelWorksWhileAFieldIsWrong) {
  const Options before = options;
  const bool ok = run([&](OptionsDialog& sheet) {
    OptionsPageWidget* page = pageOf(sheet, OptionsPage::Annotate);
    click(page->button(AnnotateControl::IncludeBlanks));
    typeInto(page->field(AnnotateControl::ConsensusThreshold), QStringLiteral("50"));
    click(sheet.cancelButton());
    EXPECT_FALSE(sheet.isVisible());
  });
  EXPECT_FALSE(ok);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(OptionGroups::copyOf(options), OptionGroups::copyOf(before));
}

TEST_F(OptionsDialogTest, ChangesOnSeveralPagesReachTheOptionsOnlyAtOk) {
  auto edit = [&](OptionsDialog& sheet) {
    click(pageOf(sheet, OptionsPage::Annotate)->button(AnnotateControl::IncludeBlanks));
    clickTab(sheet, 1);
    click(pageOf(sheet, OptionsPage::Parsing)->button(ParsingControl::ListedInvalidResidues));
    clickTab(sheet, 2);
    click(pageOf(sheet, OptionsPage::Output)->button(OutputControl::JustifyCentre));
    typeInto(pageOf(sheet, OptionsPage::Output)->field(OutputControl::WrapLength),
             QStringLiteral("45"));
    clickTab(sheet, 3);
    click(pageOf(sheet, OptionsPage::Html)->button(HtmlControl::WebSafePalette));
  };
  EXPECT_FALSE(run([&](OptionsDialog& sheet) {
    edit(sheet);
    click(sheet.cancelButton());
  }));
  EXPECT_EQ(OptionGroups::copyOf(options), OptionGroups{});

  EXPECT_TRUE(run([&](OptionsDialog& sheet) {
    edit(sheet);
    click(sheet.okButton());
  }));
  EXPECT_FALSE(options.annotation.includeBlanks);
  EXPECT_EQ(options.parse.restrictResidues, 2);
  EXPECT_EQ(options.output.nameJustification, 1);
  EXPECT_EQ(options.output.wrapLength, 45);
  EXPECT_EQ(options.html.colourPalette, 1);
  EXPECT_EQ(appliedToolbar, false);
}

TEST_F(OptionsDialogTest, ReturningToAPageShowsWhatItKept) {
  run([&](OptionsDialog& sheet) {
    QWidget* field =
        pageOf(sheet, OptionsPage::Annotate)->field(AnnotateControl::ConsensusThreshold);
    typeInto(field, QStringLiteral("072.50"));
    clickTab(sheet, 4);
    clickTab(sheet, 0);
    EXPECT_EQ(field->property("text").toString(), QStringLiteral("72.5"));
    click(sheet.okButton());
  });
  EXPECT_EQ(options.annotation.consensusThreshold, 725);
}

TEST_F(OptionsDialogTest, PageRememberedAfterOkButNotAfterCancel) {
  EXPECT_TRUE(run([&](OptionsDialog& sheet) {
    clickTab(sheet, optionsPageIndex(OptionsPage::Html));
    click(sheet.okButton());
  }));
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(command.rememberedPage(), 3);

  EXPECT_FALSE(run([&](OptionsDialog& sheet) {
    clickTab(sheet, optionsPageIndex(OptionsPage::Parsing));
    click(sheet.cancelButton());
  }));
  EXPECT_EQ(opened, 3);

  run([&](OptionsDialog& sheet) { click(sheet.cancelButton()); });
  EXPECT_EQ(opened, 3);
}

TEST_F(OptionsDialogTest, OpeningOnTheRememberedPageReadsNothing) {
  EXPECT_TRUE(run([&](OptionsDialog& sheet) {
    clickTab(sheet, optionsPageIndex(OptionsPage::Html));
    click(sheet.okButton());
  }));
  // Loading allows 50 %, which the page refuses: only leaving the page
  // would say so.
  options.annotation.consensusThreshold = 500;
  QWidget* focus = nullptr;
  QAbstractButton* firstHtml = nullptr;
  run([&](OptionsDialog& sheet) {
    focus = QApplication::focusWidget();
    // The selected button of the first group.
    firstHtml = pageOf(sheet, OptionsPage::Html)->button(HtmlControl::InlineStyles);
    click(sheet.cancelButton());
  });
  EXPECT_EQ(opened, optionsPageIndex(OptionsPage::Html));
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(focus, firstHtml);
  EXPECT_EQ(options.annotation.consensusThreshold, 500);
}

TEST_F(OptionsDialogTest, AnEmptiedSubstituteSymbolGivesABlank) {
  EXPECT_TRUE(run([&](OptionsDialog& sheet) {
    clickTab(sheet, optionsPageIndex(OptionsPage::Output));
    QLineEdit* symbol = pageOf(sheet, OptionsPage::Output)->edit(OutputControl::GapCharacter);
    typeInto(symbol, QString());
    EXPECT_TRUE(symbol->text().isEmpty());
    click(sheet.okButton());
  }));
  EXPECT_EQ(options.output.gapCharacter, ' ');
}

TEST_F(OptionsDialogTest, StyleButtonsDoWhatTheySay) {
  EXPECT_TRUE(run([&](OptionsDialog& sheet) {
    clickTab(sheet, optionsPageIndex(OptionsPage::Html));
    // The focus came along to the selected button.
    EXPECT_EQ(QApplication::focusWidget(),
              pageOf(sheet, OptionsPage::Html)->button(HtmlControl::InlineStyles));
    QAbstractButton* embedded =
        pageOf(sheet, OptionsPage::Html)->button(HtmlControl::EmbeddedStyleSheet);
    EXPECT_EQ(embedded->text(), QStringLiteral("Use &Embedded Cascading Style Sheets"));
    click(embedded);
    click(sheet.okButton());
  }));
  EXPECT_EQ(options.html.styleMode, 1);  // the HTML writer's embedded style sheet
}

TEST_F(OptionsDialogTest, SpinButtonsStepTheFields) {
  EXPECT_TRUE(run([&](OptionsDialog& sheet) {
    OptionsPageWidget* page = pageOf(sheet, OptionsPage::Annotate);
    click(page->spinButton(AnnotateControl::ConsensusThreshold)->upButton());
    EXPECT_EQ(page->field(AnnotateControl::ConsensusThreshold)->text(), QStringLiteral("81"));
    click(page->spinButton(AnnotateControl::MinimumElisionLength)
              ->downButton());  // already at the least
    EXPECT_EQ(page->field(AnnotateControl::MinimumElisionLength)->text(), QStringLiteral("4"));
    click(sheet.okButton());
  }));
  EXPECT_EQ(options.annotation.consensusThreshold, 810);
  EXPECT_EQ(options.annotation.minimumElisionLength, 4);
}

TEST_F(OptionsDialogTest, FontAndToolbarSizeReachTheWindowAtOk) {
  QFont chosen(QStringLiteral("Monospace"));
  chosen.setPointSize(13);
  QFont editor(QStringLiteral("Courier"));
  editor.setPointSize(9);
  std::optional<QFont> offered;
  EXPECT_TRUE(run(
      [&](OptionsDialog& sheet) {
        clickTab(sheet, optionsPageIndex(OptionsPage::General));
        auto* general = qobject_cast<GeneralPage*>(sheet.page(4));
        ASSERT_TRUE(general);
        general->setFontChooser([&](QWidget*, const QFont& initial) -> std::optional<QFont> {
          offered = initial;
          return chosen;
        });
        EXPECT_FALSE(general->button(GeneralControl::EditorFont)->icon().isNull());
        click(general->button(GeneralControl::EditorFont));
        click(general->button(GeneralControl::LargeButtons));
        click(general->button(GeneralControl::Terse));
        click(sheet.okButton());
      },
      editor));
  ASSERT_TRUE(offered);
  EXPECT_EQ(*offered, editor);
  ASSERT_TRUE(appliedFont);
  EXPECT_EQ(*appliedFont, chosen);
  EXPECT_EQ(appliedToolbar, true);
  EXPECT_FALSE(options.general.largeToolbarButtons);
  EXPECT_FALSE(options.general.verboseDialogues);
}

TEST_F(OptionsDialogTest, FontDialogCancelKeepsTheFont) {
  QFont editor(QStringLiteral("Courier"));
  EXPECT_TRUE(run(
      [&](OptionsDialog& sheet) {
        auto* general = qobject_cast<GeneralPage*>(sheet.page(4));
        general->setFontChooser([](QWidget*, const QFont&) { return std::optional<QFont>(); });
        clickTab(sheet, 4);
        click(general->button(GeneralControl::EditorFont));
        click(sheet.okButton());
      },
      editor));
  EXPECT_EQ(appliedFont, editor);
  EXPECT_EQ(appliedToolbar, false);
}

TEST_F(OptionsDialogTest, LetterSetFieldsKeepTheirKindOfCharacters) {
  EXPECT_TRUE(run([&](OptionsDialog& sheet) {
    clickTab(sheet, 1);
    QLineEdit* residues =
        pageOf(sheet, OptionsPage::Parsing)->edit(ParsingControl::InvalidResidues);
    residues->setFocus();
    QTest::keyClick(residues, Qt::Key_End);
    QTest::keyClicks(residues, QStringLiteral("x1b"));  // B is there already
    EXPECT_EQ(residues->text(), QStringLiteral("BJOUZX"));
    clickTab(sheet, 2);
    QLineEdit* gaps = pageOf(sheet, OptionsPage::Output)->edit(OutputControl::SubstitutedGaps);
    gaps->setFocus();
    QTest::keyClick(gaps, Qt::Key_End);
    QTest::keyClicks(gaps, QStringLiteral("a*"));
    EXPECT_EQ(gaps->text(), QStringLiteral("-_~.*"));
    click(sheet.okButton());
  }));
  EXPECT_EQ(options.parse.invalidResidues, "BJOUZX");
  EXPECT_EQ(options.output.substitutedGaps, "-_~.*");
}

}  // namespace
}  // namespace hueset::gui
