#pragma once

#include "helper/controller/ControllerServices.h"
#include "helper/controller/KeyAction.h"
#include "helper/controller/KeyboardRecord.h"
#include "helper/controller/MacroPlayer.h"
#include "platform/input/pointer/HeldButtonRecord.h"
#include "platform/input/posters/HeldKeyRecord.h"
#include "shared/control/KeyboardServer.h"
#include "shared/plist/PlistValue.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace halvane {

class HIDSystem;
class ProfileOverlay;
class ServerObject;
class Ticker;
struct DriverSettings;

// The helper's central object: decodes keyboard reports into actions, plays macros, sends
// script requests, switches profiles (by key, by the pane, automatically with the front
// application), and keeps the attached keyboards and their driver settings.
//
// Everything runs on the main loop. A script runs to completion before the next report is
// handled; a macro plays from the loop, and what arrives meanwhile waits for its end (see
// MacroPlayer for why that is the same order as a blocking macro).
class Controller : public QObject, public KeyboardServer {
  Q_OBJECT

 public:
  explicit Controller(const ControllerServices& services, QObject* parent = nullptr);
  ~Controller() override;

  // --- Keyboard reports -------------------------------------------------------------------
  // Report handler of every keyboard: target is the keyboard's record, result the read status,
  // refcon the Controller, bufferSize the number of bytes the device wrote into the report
  // buffer. Drops repeats of the keyboard's last report; decodes everything else.
  static void hidCallback(KeyboardRecord* target, int result, Controller* refcon,
                          quint32 bufferSize);
  // Decodes one changed report: 3 bytes are a media key, 8 bytes a keyboard report; other sizes
  // do nothing. prevBuf/prevSize describe the copy just stored and are not read.
  void processKeys(std::uint8_t* report, unsigned long reportSize, const std::uint8_t* prevBuf,
                   unsigned long prevSize);

  // --- Key actions (current profile) ------------------------------------------------------
  void macroKeyPressed(int key);
  void pressKeyCombination(int key, int modifiers);
  void mediaKeyPressed(unsigned char key);
  // Calls the handler "handlemediakey" of the bundle's "Halvane" script with (key, param).
  void runKeyScript(const QString& key, const QString& param);
  // Ends a playing macro at once and lets go of every synthetic key still down: on quitting,
  // suspend, the session going inactive. Input queued behind the macro is dropped.
  void stopMacro(MacroPlayer::StopReason why);
  bool isPlayingMacro() const { return mMacroPlayer.isPlaying(); }
  const HeldKeyRecord& heldKeys() const { return mHeldKeys; }
  const HeldButtonRecord& heldButtons() const { return mHeldButtons; }

  // --- Profiles ---------------------------------------------------------------------------
  void switchToProfile(int profile, bool broadcast);
  // Application-switch handler: asks which application is in front and hands it on.
  static void appFrontSwitchedHandler(Controller* userData);
  // Installs appFrontSwitchedHandler with the front-application watcher.
  void installApplicationSwitchHandler();
  // applicationNames: the paths the front application is known by (its desktop entry's files,
  // its executable); empty when it could not be told.
  void handleNewFrontmostApplication(const QStringList& applicationNames);
  // The first profile whose ApplicationPath is one of the names; -1 for none.
  int profileForApplication(const QStringList& applicationNames) const;
  void loadPreferences();
  // The three operations the pane calls through the control channel.
  void reloadPrefs() override;
  int getCurrentProfile() override;
  void setCurrentProfile(int profile) override;

  // --- Keyboard device link ---------------------------------------------------------------
  // Registers for the keyboard's interfaces, present and to come. 0 on success.
  int InitKeyboard();
  static void deviceAddedHandler(Controller* refcon, ServiceId service);
  static void deviceRemovedHandler(Controller* refcon, ServiceId service);
  // Hands the current profile's driver settings to every attached keyboard.
  void SendPrefsToDriver();
  // The settings SendPrefsToDriver sends for the current profile.
  DriverSettings driverSettings() const;

  // --- Event poster and overlay (set up and torn down by start-up and quitting) -----------
  void createHIDSystem();
  void releaseHIDSystem();
  HIDSystem* hidSystem() const { return mHIDSystem.get(); }
  // The idle check runs while the window fades in or shows a name, and stops once it is hidden.
  void setItsWindow(ProfileOverlay* window);
  ProfileOverlay* window() const { return itsWindow; }

  // --- State, for start-up, quitting and tests ---------------------------------------------
  // The loaded settings tree (shared, not copied); None when no settings could be loaded.
  PlistValue prefs() const { return m_Prefs; }
  // How many times the settings were read, and what the last reading had to say (a file set
  // aside, defaults used, no settings at all); empty when it read cleanly.
  int settingsLoads() const { return mSettingsLoads; }
  const QStringList& lastLoadProblems() const { return mLastLoadProblems; }
  const QString& settingsPath() const { return mServices.settingsPath; }
  int currentAutoSwitchProfile() const { return mCurrentAutoSwitchProfile; }
  int prevAutoSwitchProfile() const { return mPrevAutoSwitchProfile; }
  // Attached keyboards in attachment order.
  const std::vector<std::unique_ptr<KeyboardRecord>>& keyboards() const { return mKeyboards; }
  // The one buffer every keyboard writes its reports into.
  ReportBuffer& reportBuffer() { return mReportBuffer; }

  // --- Life of the helper -----------------------------------------------------------------
  // Start-up, in its fixed order: settings, keyboards, event poster, login item, idle timer,
  // application switches, the stored profile (announced), the server, the overlay's place.
  void applicationDidFinishLaunching();
  bool applicationShouldTerminateAfterLastWindowClosed() const;
  // Stores the current profile in the settings file.
  void applicationWillTerminate();
  // The idle timer's action: fades the overlay out once it is fully shown.
  void doIdle();
  // The idle timer is running: only from a name's fade-in until the overlay is hidden again, so
  // that a helper at rest does not wake up.
  bool idleCheckRunning() const;
  // Diagnostics: tag 1 hides the overlay, tag 2 shows "Test".
  void debugAction(int tag);
  // Offers this controller to the pane under the server name.
  void startServerObject();
  void setServerObject(ServerObject* serverObject) { mServerObject = serverObject; }

 signals:
  // After every switch, announced or not (the tray icon shows the number).
  void currentProfileChanged(int profile);
  // After the settings were read again on request (the pane applied, the tray changed them).
  void preferencesReloaded();

 private:
  PlistValue currentProfileRecord() const;
  bool isProfileIndex(int profile) const;
  // The current profile's key actions, read again after a switch or a load.
  void readCurrentKeyActions();
  void playMacro(const KeyAction& action, int key);
  void macroStopped(MacroPlayer::StopReason why);
  void textSkipped(const QString& characters);
  // A report that differs from its keyboard's last one: decoded now, or after the macro.
  void reportChanged(ServiceId service, quint32 size);
  void decodeReport(ServiceId service, const ReportBuffer& report, quint32 size);
  void postProfileChanged(int profile);
  // Shows name in the overlay and starts the idle check that will fade it out.
  void showProfileName(const QString& name);
  void registerKeyboardInterfaces(int productID);
  void deviceAdded(ServiceId service);
  void deviceRemoved(ServiceId service);
  void printOut(const char* format, unsigned value);

  ControllerServices mServices;
  // Every synthetic key goes through it, so that none is left down.
  HeldKeyRecord mHeldKeys{mServices.keyboard};
  // And every synthetic mouse button, for the same reason.
  HeldButtonRecord mHeldButtons{mServices.pointer};
  MacroPlayer mMacroPlayer;
  // The keyboard interface whose report is being decoded; none outside decoding.
  std::optional<ServiceId> mReportSource;

  PlistValue m_Prefs;
  int mSettingsLoads = 0;
  QStringList mLastLoadProblems;
  int m_CurrentProfile = 0;
  KeyActions mKeyActions;  // of the current profile
  std::unique_ptr<HIDSystem> mHIDSystem;
  ProfileOverlay* itsWindow = nullptr;
  int mCurrentAutoSwitchProfile = -1;
  int mPrevAutoSwitchProfile = 0;

  std::unique_ptr<Ticker> mIdleTimer;  // from start-up on
  ServerObject* mServerObject = nullptr;

  std::vector<std::unique_ptr<KeyboardRecord>> mKeyboards;
  ReportBuffer mReportBuffer{};
};

}  // namespace halvane
