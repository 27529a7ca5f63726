#pragma once

#include "HVKeyCombo.h"
#include "KeyComboReceiver.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/PlayMode.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QDialog;
class QKeyEvent;
class QWidget;

namespace Ui {
class HVKeyComboPanel;
}

namespace halvane {

class MacroStepRow;
class OpenPanel;
class TextTypingLimits;
class Workspace;

// The macro editor: the sheet in which one macro key gets its action, a macro (up to eight steps,
// each a recorded key combination, a text, a mouse button or the wheel, with the pause after
// it), an application to launch, or a profile to select. One
// editor serves the process. The pane fills it before opening it and reads the result when the
// sheet's target is sent hotKeySheetDidEndWithReturnCode(int) (1 for OK and Apply, 0 for Cancel).
// The editor writes nothing to the settings.
class HVKeyComboPanel : public QObject, public KeyComboReceiver {
  Q_OBJECT

 public:
  // The one editor, created at first use and kept until the process ends.
  static HVKeyComboPanel* sharedPanel();

  HVKeyComboPanel();
  ~HVKeyComboPanel() override;

  // The services the sheet needs: the application chooser and display names. Not owned.
  void setServices(OpenPanel* openPanel, Workspace* workspace);

  void setKeyBindingName(const QString& name);
  QString keyBindingName() const { return mKeyName; }
  void setActionType(const QString& actionType);
  QString getActionType() const { return fActionType; }
  // Where the characters a text step cannot type come from; null marks none. Not owned.
  void setTextTypingLimits(TextTypingLimits* limits) { typingLimits_ = limits; }

  // Empties the steps and shows combos as the key's previous macro.
  void setKeyArray(const QList<HVKeyCombo>& combos);
  // Shows steps (the first eight) as the key's previous macro and as the rows to edit, so that
  // OK keeps what is not changed.
  void setMacroSteps(const QList<settings::MacroStep>& steps);
  // The key combinations among the steps, in order.
  QList<HVKeyCombo> keyArray() const;
  // The rows, as shown.
  const QList<settings::MacroStep>& steps() const { return fSteps; }
  // The rows that play: without text steps left empty and key rows without a key.
  QList<settings::MacroStep> macroSteps() const;
  // A step of kind with its first choices at the end; at most eight steps.
  void addStep(settings::StepKind kind);
  void removeStep(int index);
  // The rows' widgets, one per step.
  const QList<MacroStepRow*>& stepRows() const { return rows_; }
  // The step the pause buttons add to: the row last entered, else the last step (-1: none).
  int pauseTarget() const;
  void setAppUrl(const QString& path);
  QString getUrl() const { return fAppUrl; }
  void setProfile(int index);
  int getProfile() const { return fProfileIndex; }
  // How the macro plays; the pop-up beside the steps.
  void setPlayMode(settings::PlayMode mode);
  settings::PlayMode playMode() const { return fPlayMode; }

  // Opens the sheet over parent; target is sent hotKeySheetDidEndWithReturnCode(int).
  void runSheeetForModalWindow(QWidget* parent, QObject* target);

  // From the key broadcaster: records a combination while in the macro action type.
  void setKeyCombo(const HVKeyCombo& combo) override;
  bool isRecordingMacro() const override;

  // The sheet's actions; each gets its control as sender where the tag matters.
  void ok();
  void cancel();
  void apply();
  void clear();
  void handleTextClick(QObject* sender);
  void chooseApp();
  void chooseProfile();
  void handleDelayClick(QObject* sender);
  void choosePlayMode();

  // Escape twice within this many milliseconds leaves the key recorder (see leavesRecorder).
  static constexpr int kLeaveRecorderInterval = 1000;

  // The sheet's window, loaded from its interface file when first needed.
  QDialog* window();
  Ui::HVKeyComboPanel& outlets();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void _refreshContents();
  void _sheetDidEnd(int returnCode);
  void loadWindow(QWidget* parent);
  void connectActions();
  void updateKeyboardGrab();
  QString appDisplayName() const;
  // Screen readers and the keyboard.
  void setUpKeyboardAccess();
  void showChosenCaption();
  bool leavesRecorder(const QKeyEvent& key);
  void announce(const QString& text);
  void announceRecorded(qsizetype stepsBefore, const HVKeyCombo& combo);
  void announceDelay();
  void showRows();
  void orderFocus();
  void selectRowOf(QWidget* focused);
  QString untypableIn(const settings::MacroStep& step) const;

  std::unique_ptr<Ui::HVKeyComboPanel> ui_;
  QPointer<QDialog> window_;
  OpenPanel* openPanel_ = nullptr;
  Workspace* workspace_ = nullptr;
  TextTypingLimits* typingLimits_ = nullptr;
  QList<MacroStepRow*> rows_;
  int selectedStep_ = -1;  // the row last entered, while no key has been recorded since

  QString mKeyName;
  QList<settings::MacroStep> fSteps;
  QList<settings::MacroStep> fOldSteps;
  QString fActionType;
  QString fAppUrl;
  int fProfileIndex = 0;
  settings::PlayMode fPlayMode = settings::PlayMode::Once;
  QPointer<QObject> fApplyTarget;

  // The Escape the recorder last took, while no other key has come since.
  bool escapePending_ = false;
  quint64 escapeTime_ = 0;
  qsizetype stepsBeforeEscape_ = 0;
};

}  // namespace halvane
