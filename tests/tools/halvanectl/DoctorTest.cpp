// halvanectl doctor against a system laid out in a folder: fake udev and session facts, a fake
// helper's Diagnostics answer. A healthy system passes; each fault in turn gives its ✘ line,
// its fix and the exit status that says whether it keeps the keyboard from working.
#include "platform/desktop/frontapp/BackendChoice.h"
#include "platform/desktop/frontapp/GnomeShellActiveWindowSource.h"
#include "platform/input/hidevent/HIDEventBackendChoice.h"
#include "platform/input/posters/KeyEventBackendChoice.h"
#include "platform/system/control/FakeDiagnosticsClient.h"
#include "shared/settings/SettingsStore.h"
#include "tests/shared/settings/TransferTestSupport.h"
#include "tests/tools/halvanectl/TestCatalogue.h"
#include "tools/halvanectl/CtlArguments.h"
#include "tools/halvanectl/Doctor.h"
#include "tools/halvanectl/facts/FakeDesktopFacts.h"
#include "tools/halvanectl/facts/FakeDeviceFacts.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace halvane::ctl {
namespace {

using Access = DeviceFacts::Access;

const QString kUuid = QString::fromLatin1(GnomeShellActiveWindowSource::kExtensionUuid);
const QString kHelperExe =
    QStringLiteral("/usr/local/lib/halvane/HalvaneHelper.app/Contents/MacOS/HalvaneHelper");
const QString kUserExtension =
    QStringLiteral("/home/u/.local/share/gnome-shell/extensions/") + kUuid;
const QString kAutostart = QStringLiteral("/home/u/.config/autostart/halvane-helper.desktop");
const QString kSettings = QStringLiteral("/home/u/.config/halvane/com.halvane.keyboard.plist");

struct Outcome {
  int status = -1;
  QString text;
  QStringList failed;  // the ✘ lines, each with its fix lines appended
};

// A GNOME Wayland session with everything in place, files under root.
class Machine {
 public:
  Machine() {
    system.root = root.path();
    system.environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/u"));
    system.environment.insert(QStringLiteral("USER"), QStringLiteral("u"));
    system.environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    system.environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    system.environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    system.programDir = QStringLiteral("/usr/local/bin");
    system.sourceDir = QStringLiteral("/src");
    system.version = QStringLiteral("1.0.0");
    system.virtualKeyboardFolder = QStringLiteral("/run/user/1000/halvane/keyboards");
    system.devices = &devices;
    system.desktop = &desktop;
    system.connectDiagnostics = [this](QString* why) -> std::unique_ptr<DiagnosticsClient> {
      if (!helperRunning) {
        *why = QStringLiteral("the Halvane helper is not running");
        return nullptr;
      }
      auto client = std::make_unique<FakeDiagnosticsClient>();
      client->backendReport = backends;
      return client;
    };

    const QString hidraw = QStringLiteral("hidraw"), input = QStringLiteral("input");
    devices.nodes[hidraw] = {node("/dev/hidraw3", "0003:1209:4856.0001"),
                             node("/dev/hidraw4", "0003:1209:4856.0002"),
                             node("/dev/hidraw0", "0003:046D:C52B.0003")};
    devices.nodes[input] = {node("/dev/input/event7", "0003:1209:4856.0001")};
    devices.misc[QStringLiteral("uinput")] = node("/dev/uinput", "");
    for (const char* n : {"/dev/hidraw3", "/dev/hidraw4", "/dev/uinput"})
      devices.accessByNode[QString::fromLatin1(n)] = Access::ReadWrite;
    devices.keyCodes[QStringLiteral("/dev/input/event7")] = {{0x700f8, 0}};
    devices.hwdb[QStringLiteral("evdev:input:b0003v1209p4856")] = {
        {QStringLiteral("KEYBOARD_KEY_700f8"), QStringLiteral("reserved")}};
    copy("/packaging/70-halvane.rules", "/etc/udev/rules.d/70-halvane.rules");
    copy("/packaging/70-halvane.rules", "/src/packaging/70-halvane.rules");
    copy("/packaging/70-halvane.hwdb", "/src/packaging/70-halvane.hwdb");

    backends = DiagnosticsClient::Report{
        {QStringLiteral("keyEvents"), QStringLiteral("uinput virtual keyboard (Wayland session)")},
        {QStringLiteral("hidEvents"), QStringLiteral("uinput")},
        {QStringLiteral("frontApplication"),
         QStringLiteral("gnome-shell, through our Shell extension; not kwin: ...")},
        {QStringLiteral("overlay"), QStringLiteral("GNOME Shell extension (...)")},
        {QStringLiteral("pointer"), QStringLiteral("uinput virtual pointer (Wayland session)")},
        {QStringLiteral("text"),
         QStringLiteral("uinput, only the characters of the keyboard layout; the others ...")}};
    desktop.owners[QStringLiteral("com.halvane.keyboard.HVKeyboardServer")] = kHelperExe;
    write(kHelperExe, "");
    infoPlist("1.0.0");

    extension(kUserExtension, {"42", "43", "44"});
    desktop.shellVersion = QStringLiteral("43.9");
    desktop.strings[QStringLiteral("org.gnome.shell enabled-extensions")] = {
        QStringLiteral("other@x"), kUuid};
    desktop.extensionStates[kUuid] = 1;

    write(kAutostart, "[Desktop Entry]\nType=Application\nExec=\"" + kHelperExe.toUtf8() + "\"\n");
    settings(test::defaultsTree());
  }

  static DeviceFacts::Node node(const char* devnode, const char* hid) {
    return {QString::fromLatin1(devnode),
            QString::fromLatin1(hid),
            {QStringLiteral("seat"), QStringLiteral("uaccess")},
            {}};
  }
  void write(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(system.file(path)).path()));
    ASSERT_TRUE(test::writeBytes(system.file(path), bytes));
  }
  void copy(const char* fromSources, const char* to) {
    write(QString::fromLatin1(to),
          test::fileBytes(QStringLiteral(HALVANE_SOURCE_DIR) + QLatin1String(fromSources)));
  }
  void remove(const QString& path) {
    if (QFileInfo(system.file(path)).isDir())
      QDir(system.file(path)).removeRecursively();
    else
      QFile::remove(system.file(path));
  }
  void extension(const QString& folder, const QStringList& versions) {
    write(folder + QStringLiteral("/metadata.json"),
          QJsonDocument(
              QJsonObject{{QStringLiteral("uuid"), kUuid},
                          {QStringLiteral("shell-version"), QJsonArray::fromStringList(versions)}})
              .toJson());
  }
  void infoPlist(const char* version) {
    PlistValue info = PlistValue::dictionary();
    info.set(QStringLiteral("CFBundleShortVersionString"), QString::fromLatin1(version));
    write(QStringLiteral("/usr/local/lib/halvane/HalvaneHelper.app/Contents/Info.plist"),
          toXmlPlist(info));
  }
  void settings(const PlistValue& tree) { write(kSettings, toXmlPlist(tree)); }
  void setEnv(const char* name, const char* value) {
    if (value)
      system.environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    else
      system.environment.remove(QString::fromLatin1(name));
  }

  Outcome run() {
    Outcome outcome;
    QTextStream out(&outcome.text);
    outcome.status = runDoctor(system, out);
    for (const QString& line : outcome.text.split(u'\n')) {
      if (line.startsWith(QStringLiteral("✘")))
        outcome.failed << line;
      else if (line.startsWith(QStringLiteral("    ")) && !outcome.failed.isEmpty())
        outcome.failed.last() += u'\n' + line;
    }
    return outcome;
  }

  QTemporaryDir root;
  DoctorSystem system;
  FakeDeviceFacts devices;
  FakeDesktopFacts desktop;
  bool helperRunning = true;
  std::optional<DiagnosticsClient::Report> backends;
};

TEST(Doctor, HealthySystemPassesEveryCheck) {
  Machine machine;
  const Outcome outcome = machine.run();
  EXPECT_EQ(outcome.status, 0) << qPrintable(outcome.text);
  EXPECT_TRUE(outcome.failed.isEmpty()) << qPrintable(outcome.text);
  for (const char* line :
       {"✔ Keyboard: 2 interfaces (/dev/hidraw3, /dev/hidraw4)\n",
        "✔ Helper: running, version 1.0.0\n", "✔ HID events: uinput\n",
        "✔ Desktop: Wayland, GNOME\n", "Nothing keeps the keyboard from working.\n"})
    EXPECT_TRUE(outcome.text.contains(QString::fromUtf8(line))) << line << '\n'
                                                                << qPrintable(outcome.text);
}

struct Fault {
  const char* name;
  std::function<void(Machine&)> make;
  std::vector<std::pair<const char*, const char*>> failures;  // ✘ line part, fix part
  int status;
};

// Each fault in turn on a healthy machine.
std::vector<Fault> faults() {
  return {
      {"no keyboard",
       [&](Machine& m) { m.devices.nodes.clear(); },
       {{"Keyboard: none found (no hidraw node of a HID device 1209:4856 or 1209:4857)",
         "fix: plug the keyboard in"}},
       1},
      {"only a virtual keyboard",
       [&](Machine& m) {
         m.devices.nodes.clear();
         m.write(m.system.virtualKeyboardFolder + QStringLiteral("/1209-4856-0001-0006-vkbd.sock"),
                 "");
       },
       {},
       0},
      {"keyboard node read-only",
       [&](Machine& m) {
         m.devices.accessByNode[QStringLiteral("/dev/hidraw4")] = Access::ReadOnly;
       },
       {{"Keyboard access: /dev/hidraw4 is not writable by you",
         "sudo setfacl -m u:u:rw /dev/hidraw4"}},
       1},
      {"no uinput module",
       [&](Machine& m) {
         m.devices.accessByNode.remove(QStringLiteral("/dev/uinput"));
         m.devices.misc.clear();
       },
       {{"/dev/uinput is missing", "fix: sudo modprobe uinput"}},
       1},
      {"rule missing, nodes denied",
       [&](Machine& m) {
         m.remove(QStringLiteral("/etc/udev/rules.d/70-halvane.rules"));
         m.devices.accessByNode[QStringLiteral("/dev/uinput")] = Access::None;
         m.devices.misc[QStringLiteral("uinput")].tags.clear();
       },
       {{"/dev/uinput is neither readable nor writable by you",
         "sudo install -m 644 /src/packaging/70-halvane.rules /etc/udev/rules.d/70-halvane.rules"},
        {"udev rule: 70-halvane.rules is not installed",
         "sudo udevadm control --reload && sudo udevadm trigger"},
        {"udev rule not applied: no uaccess tag on /dev/uinput", "install the udev rule (above)"}},
       1},
      {"rule missing, access through a group",
       [&](Machine& m) { m.remove(QStringLiteral("/etc/udev/rules.d/70-halvane.rules")); },
       {{"udev rule: 70-halvane.rules is not installed", "/src/packaging/70-halvane.rules"}},
       0},
      {"rule under a prefix udev does not read",
       [&](Machine& m) {
         m.remove(QStringLiteral("/etc/udev/rules.d/70-halvane.rules"));
         m.system.programDir = QStringLiteral("/opt/h/bin");
         m.copy("/packaging/70-halvane.rules", "/opt/h/lib/udev/rules.d/70-halvane.rules");
       },
       {{"installed at /opt/h/lib/udev/rules.d/70-halvane.rules, where udev does not look",
         "sudo install -m 644 /opt/h/lib/udev/rules.d/70-halvane.rules /etc/udev/rules.d/"}},
       0},
      {"rule masked",
       [&](Machine& m) {
         m.write(QStringLiteral("/etc/udev/rules.d/70-halvane.rules"), "");
         m.copy("/packaging/70-halvane.rules", "/usr/lib/udev/rules.d/70-halvane.rules");
       },
       {{"/etc/udev/rules.d/70-halvane.rules holds no Halvane rule", "sudo install -m 644"}},
       0},
      {"rule not applied, node denied",
       [&](Machine& m) {
         m.devices.nodes[QStringLiteral("hidraw")][0].tags = {QStringLiteral("seat")};
         m.devices.accessByNode[QStringLiteral("/dev/hidraw3")] = Access::None;
       },
       {{"Keyboard access: /dev/hidraw3 is neither", "fix: sudo udevadm control --reload"},
        {"no uaccess tag on /dev/hidraw3",
         "fix: sudo udevadm control --reload && sudo udevadm trigger --action=change"}},
       1},
      {"hwdb entry missing: the node maps KEY_SLEEP",
       [&](Machine& m) {
         m.devices.keyCodes[QStringLiteral("/dev/input/event7")][0x700f8] = DeviceFacts::kKeySleep;
       },
       {{"hwdb entry not active: /dev/input/event7 maps it to KEY_SLEEP (macro key 0xF8 would "
         "suspend the machine)",
         "sudo install -m 644 /src/packaging/70-halvane.hwdb /etc/udev/hwdb.d/70-halvane.hwdb"}},
       1},
      {"hwdb installed under /usr/local, which systemd-hwdb does not read",
       [&](Machine& m) {
         m.devices.keyCodes.clear();  // node not readable: udev's record of the hwdb answers
         m.copy("/packaging/70-halvane.hwdb", "/usr/local/lib/udev/hwdb.d/70-halvane.hwdb");
       },
       {{"hwdb entry not active: udev gave /dev/input/event7 no Halvane hwdb entry",
         "sudo install -m 644 /usr/local/lib/udev/hwdb.d/70-halvane.hwdb /etc/udev/hwdb.d/"}},
       1},
      {"hwdb installed, not compiled, no keyboard",
       [&](Machine& m) {
         m.devices.nodes.clear();
         m.devices.hwdb.clear();
         m.write(QStringLiteral("/virtual/1209-4856-0001-0006-k.sock"), "");
         m.system.virtualKeyboardFolder = QStringLiteral("/virtual");
         m.copy("/packaging/70-halvane.hwdb", "/etc/udev/hwdb.d/70-halvane.hwdb");
       },
       {{"hwdb entry not active: the compiled hwdb has no Halvane entry",
         "fix: sudo systemd-hwdb update && sudo udevadm trigger"}},
       1},
      {"helper not running",
       [&](Machine& m) {
         m.helperRunning = false;
         m.write(QStringLiteral("/usr/local/bin/halvane-helper"), "");
       },
       {{"Helper: the Halvane helper is not running",
         "fix: start it: /usr/local/bin/halvane-helper &"}},
       1},
      {"helper not answering",
       [&](Machine& m) { m.backends.reset(); },
       {{"Helper: holds com.halvane.keyboard.HVKeyboardServer but does not answer",
         "quit the helper"}},
       1},
      {"macros only traced",
       [&](Machine& m) {
         m.backends->insert(
             QStringLiteral("keyEvents"),
             QStringLiteral("none, macros are only traced (no XTest: x; no uinput: y)"));
       },
       {{"Synthetic keys: none, macros are only traced", "make /dev/uinput writable"}},
       1},
      {"mouse steps only traced",
       [&](Machine& m) {
         m.backends->insert(QStringLiteral("pointer"),
                            QStringLiteral("none, mouse steps are only traced (no XTest: x)"));
       },
       {{"Mouse buttons and wheel: none, mouse steps are only traced",
         "make /dev/uinput writable"}},
       1},
      {"text steps only traced",
       [&](Machine& m) {
         m.backends->insert(QStringLiteral("text"),
                            QStringLiteral("none, text steps are only traced"));
       },
       {{"Text steps: none, text steps are only traced", "make /dev/uinput writable"}},
       1},
      {"HID events only traced",
       [&](Machine& m) {
         m.backends->insert(QStringLiteral("hidEvents"),
                            QStringLiteral("traced only, /dev/uinput is missing"));
       },
       {{"HID events: traced only", "make /dev/uinput writable"}},
       1},
      {"front application from XWayland only",
       [&](Machine& m) {
         m.backends->insert(
             QStringLiteral("frontApplication"),
             QStringLiteral(
                 "x11, _NET_ACTIVE_WINDOW on XWayland, which sees X applications only; ..."));
       },
       {{"Front application: x11", "start the helper from your desktop session"}},
       0},
      {"older helper still running",
       [&](Machine& m) { m.infoPlist("0.9.0"); },
       {{"Helper: running version 0.9.0, but this halvanectl is 1.0.0",
         "to run the installed version"}},
       0},
      {"helper names no overlay",
       [&](Machine& m) { m.backends->remove(QStringLiteral("overlay")); },
       {{"Overlay: the helper does not say which backend it chose",
         "update and restart the helper"}},
       0},
      {"no graphical session",
       [&](Machine& m) {
         m.setEnv("XDG_SESSION_TYPE", "tty");
         m.setEnv("WAYLAND_DISPLAY", nullptr);
       },
       {{"Desktop: no graphical session seen",
         "run halvanectl doctor in a terminal of your desktop session"}},
       0},
      {"GNOME on X11 needs no extension",
       [&](Machine& m) {
         m.setEnv("XDG_SESSION_TYPE", "x11");
         m.remove(kUserExtension);
       },
       {},
       0},
      {"extension not installed",
       [&](Machine& m) {
         m.remove(kUserExtension);
         m.system.programDir = QStringLiteral("/b/bin");
         m.extension(QStringLiteral("/b/share/gnome-shell-extension-legacy/") + kUuid,
                     {"42", "43", "44"});
         m.write(QStringLiteral("/b/share/gnome-shell-extension-legacy/") + kUuid +
                     QStringLiteral("/extension.js"),
                 "");
       },
       {{"GNOME Shell extension halvane-keyboard@halvane.com: not installed",
         "mkdir -p ~/.local/share/gnome-shell/extensions && cp -r "
         "/b/share/gnome-shell-extension-legacy/halvane-keyboard@halvane.com "
         "~/.local/share/gnome-shell/extensions/"}},
       0},
      {"extension made for another GNOME",
       [&](Machine& m) { m.desktop.shellVersion = QStringLiteral("46.1"); },
       {{"is not made for GNOME 46",
         "rm -r ~/.local/share/gnome-shell/extensions/halvane-keyboard@halvane.com && mkdir -p"}},
       0},
      {"extensions turned off",
       [&](Machine& m) {
         m.desktop.bools[QStringLiteral("org.gnome.shell disable-user-extensions")] = true;
         m.desktop.extensionStates[kUuid] = 2;
       },
       {{"GNOME Shell extensions are turned off altogether",
         "gsettings set org.gnome.shell disable-user-extensions false"}},
       0},
      {"extension not enabled",
       [&](Machine& m) {
         m.desktop.strings[QStringLiteral("org.gnome.shell enabled-extensions")] = {};
         m.desktop.extensionStates[kUuid] = 2;
       },
       {{"installed, not enabled", "fix: gnome-extensions enable halvane-keyboard@halvane.com"}},
       0},
      {"extension enabled after login",
       [&](Machine& m) { m.desktop.extensionStates.clear(); },
       {{"installed, but GNOME Shell has not started it", "log out and in again"}},
       0},
      {"KWin script not loaded",
       [&](Machine& m) {
         m.setEnv("XDG_CURRENT_DESKTOP", "KDE");
         m.write(QStringLiteral("/usr/local/share/halvane/kwin/halvane-keyboard.js"), "");
         m.desktop.kwinRunning = true;
       },
       {{"KWin script: /usr/local/share/halvane/kwin/halvane-keyboard.js is installed, but KWin "
         "has not loaded it",
         "restart the helper"}},
       0},
      {"KWin script missing",
       [&](Machine& m) {
         m.setEnv("XDG_CURRENT_DESKTOP", "KDE");
         m.copy("/platform/desktop/kwin-script/halvane-keyboard.js",
                "/src/platform/desktop/kwin-script/halvane-keyboard.js");
       },
       {{"KWin script halvane/kwin/halvane-keyboard.js: not installed",
         "sudo install -D -m 644 /src/platform/desktop/kwin-script/halvane-keyboard.js "
         "/usr/local/share/halvane/kwin/halvane-keyboard.js"}},
       0},
      {"no autostart",
       [&](Machine& m) { m.remove(kAutostart); },
       {{"Autostart: the helper does not start at login",
         "start the helper once; it adds ~/.config/autostart/halvane-helper.desktop"}},
       0},
      {"autostart turned off",
       [&](Machine& m) { m.write(kAutostart, "[Desktop Entry]\nExec=/x\nHidden=true\n"); },
       {{"Autostart: ~/.config/autostart/halvane-helper.desktop is turned off",
         "rm ~/.config/autostart/halvane-helper.desktop"}},
       0},
      {"autostart of a removed build",
       [&](Machine& m) {
         m.write(kAutostart, "[Desktop Entry]\nExec=\"/gone/Halvane Helper\" --x\n");
       },
       {{"starts /gone/Halvane Helper, which is not there",
         "rm ~/.config/autostart/halvane-helper.desktop"}},
       0},
      {"started twice at login",
       [&](Machine& m) {
         m.write(QStringLiteral("/home/u/.config/systemd/user/graphical-session.target.wants/"
                                "halvane-helper.service"),
                 "");
       },
       {{"Autostart: both halvane-helper.service and ~/.config/autostart/halvane-helper.desktop",
         "rm ~/.config/autostart/halvane-helper.desktop"}},
       0},
      {"unit beside an entry that leaves the start to it",
       [&](Machine& m) {
         m.write(QStringLiteral("/home/u/.config/systemd/user/graphical-session.target.wants/"
                                "halvane-helper.service"),
                 "");
         m.write(kAutostart,
                 "[Desktop Entry]\nExec=sh -c \"systemctl --user --quiet is-enabled "
                 "halvane-helper.service || exec \\\\\"\\\\$0\\\\\"\" \"" +
                     kHelperExe.toUtf8() + "\"\nTryExec=" + kHelperExe.toUtf8() + "\n");
       },
       {},
       0},
      {"no settings file",
       [&](Machine& m) { m.remove(kSettings); },
       {{"Settings: ~/.config/halvane/com.halvane.keyboard.plist does not exist",
         "start halvane-preferences once"}},
       1},
      {"settings file broken",
       [&](Machine& m) { m.write(kSettings, "<plist><dict><key>"); },
       {{"Settings: ~/.config/halvane/com.halvane.keyboard.plist cannot be read",
         "mv ~/.config/halvane/com.halvane.keyboard.plist"}},
       1},
      {"settings with an error",
       [&](Machine& m) {
         PlistValue tree = test::defaultsTree();
         tree["Profiles"].at(0)["MacroKeys"].at(0)["KeyCombo"].set(QStringLiteral("delay2"), 9000);
         m.settings(tree);
       },
       {{"Settings: ~/.config/halvane/com.halvane.keyboard.plist has 1 error", "halvanectl check"}},
       0},
  };
}

// The test's name is the fault's, in words run together: "no keyboard" is NoKeyboard.
std::string caseName(const ::testing::TestParamInfo<Fault>& info) {
  std::string name;
  bool upper = true;
  for (const char* c = info.param.name; *c; ++c) {
    if (!std::isalnum(static_cast<unsigned char>(*c))) {
      upper = true;
      continue;
    }
    name += upper ? char(std::toupper(static_cast<unsigned char>(*c))) : *c;
    upper = false;
  }
  return name;
}

void PrintTo(const Fault& fault, std::ostream* os) {
  *os << fault.name;
}

class DoctorFault : public ::testing::TestWithParam<Fault> {};

TEST_P(DoctorFault, GivesItsFixAndStatus) {
  const Fault& fault = GetParam();
  Machine machine;
  fault.make(machine);
  const Outcome outcome = machine.run();
  EXPECT_EQ(outcome.status, fault.status) << qPrintable(outcome.text);
  ASSERT_EQ(outcome.failed.size(), qsizetype(fault.failures.size())) << qPrintable(outcome.text);
  for (size_t i = 0; i < fault.failures.size(); ++i) {
    const QString& failed = outcome.failed.at(qsizetype(i));
    EXPECT_TRUE(failed.section(u'\n', 0, 0).contains(QString::fromUtf8(fault.failures[i].first)))
        << qPrintable(failed);
    EXPECT_TRUE(failed.section(u'\n', 1).contains(QString::fromUtf8(fault.failures[i].second)))
        << qPrintable(failed);
  }
  if (fault.status) {
    EXPECT_TRUE(outcome.text.contains(QStringLiteral(" the keyboard from working.")));
  }
}

INSTANTIATE_TEST_SUITE_P(Doctor, DoctorFault, ::testing::ValuesIn(faults()), caseName);

TEST(Doctor, DesktopHintNamesOnlyTheDesktopsStep) {
  Machine machine;
  QString text;
  QTextStream out(&text);
  EXPECT_EQ(printDesktopHint(machine.system, out), 0);
  EXPECT_TRUE(text.isEmpty()) << qPrintable(text);

  machine.desktop.strings[QStringLiteral("org.gnome.shell enabled-extensions")] = {};
  machine.desktop.extensionStates.clear();
  machine.helperRunning = false;  // the hint is given before the helper starts
  EXPECT_EQ(printDesktopHint(machine.system, out), 0);
  EXPECT_EQ(
      text,
      QStringLiteral("Automatic switching on this desktop needs one step first:\n"
                     "✘ GNOME Shell extension halvane-keyboard@halvane.com: installed, not enabled "
                     "(automatic switching and the on-screen profile name need it)\n"
                     "    fix: gnome-extensions enable halvane-keyboard@halvane.com\n"));

  text.clear();
  machine.setEnv("XDG_CURRENT_DESKTOP", "sway");
  EXPECT_EQ(printDesktopHint(machine.system, out), 0);
  EXPECT_TRUE(text.isEmpty()) << qPrintable(text);
}

// The helper writes its backend lines in its own language: doctor still tells a backend that
// does nothing, or sees X applications only, from one that works. The lines are the helper's
// own, made under the same catalogue.
TEST(Doctor, KnowsTheHelpersTranslatedBackendLines) {
  TestCatalogue zh(
      QStringLiteral("zh_CN"),
      {{"KeyEventBackendChoice", "macros are only traced (no XTest: %1; no uinput: %2)",
        QStringLiteral("宏只被记录（无 XTest：%1；无 uinput：%2）")},
       {"KeyEventBackendChoice", "uinput virtual keyboard (Wayland session)",
        QStringLiteral("uinput 虚拟键盘（Wayland 会话）")},
       {"HIDEventBackendChoice", "traced only, %1", QStringLiteral("仅记录，%1")},
       {"FrontBackendChoice", kXApplicationsOnly,
        QStringLiteral("XWayland 上的 _NET_ACTIVE_WINDOW，只能看到 X 应用程序")},
       {"FrontBackendChoice", "through our GNOME Shell extension",
        QStringLiteral("通过我们的 GNOME Shell 扩展")},
       {"FrontBackendChoice", kSwitchingOff, QStringLiteral("自动切换已关闭")},
       {"DoctorHelperChecks", "Synthetic keys", QStringLiteral("合成按键")},
       {"DoctorHelperChecks", "HID events", QStringLiteral("HID 事件")},
       {"DoctorHelperChecks", "Front application", QStringLiteral("前台应用")}});
  if (!zh.installed()) GTEST_SKIP() << qPrintable(zh.why());

  SessionProbe x11;
  x11.sessionType = QStringLiteral("x11");
  x11.x11Display = QStringLiteral(":0");
  x11.xRefused = QStringLiteral("refused");
  x11.uinputUnusable = QStringLiteral("/dev/uinput 不存在");
  SessionProbe gnome;
  gnome.sessionType = QStringLiteral("wayland");
  gnome.waylandDisplay = QStringLiteral("wayland-0");
  gnome.currentDesktop = QStringLiteral("GNOME");
  gnome.busNames = {QLatin1String(kGnomeShellBusName)};
  SessionProbe xwayland = gnome;
  xwayland.currentDesktop = QStringLiteral("unknown");
  xwayland.x11Display = QStringLiteral(":0");
  const FrontBackendChoice switchingOff = chooseFrontBackend(SessionProbe{});

  const struct {
    const char* key;
    QString line;
    const char* label;
    bool passes;
  } cases[] = {
      {"keyEvents", chooseKeyEventBackend(x11).text, "合成按键", false},
      {"keyEvents", chooseKeyEventBackend(gnome).text, "合成按键", true},
      {"hidEvents", chooseHIDEventBackend(x11).text, "HID 事件", false},
      {"hidEvents", chooseHIDEventBackend(gnome).text, "HID 事件", true},
      {"frontApplication", chooseFrontBackend(xwayland).text, "前台应用", false},
      {"frontApplication", chooseFrontBackend(gnome).text, "前台应用", true},
      {"frontApplication", switchingOff.text, "前台应用", false},
  };
  for (const auto& c : cases) {
    Machine machine;
    machine.backends->insert(QLatin1String(c.key), c.line);
    const QString shown = (c.passes ? QStringLiteral("✔ ") : QStringLiteral("✘ ")) +
                          QString::fromUtf8(c.label) + QStringLiteral(": ") + c.line + u'\n';
    const Outcome outcome = machine.run();
    EXPECT_TRUE(outcome.text.contains(shown)) << qPrintable(shown) << qPrintable(outcome.text);
  }
  // Doctor knows an inert backend by its name, which leads the line untranslated.
  EXPECT_TRUE(chooseKeyEventBackend(x11).text.startsWith(QStringLiteral("none, 宏只被记录")));
}

TEST(Doctor, ArgumentsAndTheExtensionTheBuildMakes) {
  EXPECT_FALSE(parseArguments({QStringLiteral("doctor")}).command->desktopHint);
  EXPECT_TRUE(parseArguments({QStringLiteral("doctor"), QStringLiteral("--desktop-hint")})
                  .command->desktopHint);
  EXPECT_EQ(
      parseArguments({QStringLiteral("doctor"), QStringLiteral("--fix")}).error,
      QStringLiteral(
          "wrong number of arguments for doctor (usage: halvanectl doctor [--desktop-hint])"));
  // doctor looks for the extension under the uuid the build gives it.
  const QByteArray metadata =
      test::fileBytes(QStringLiteral(HALVANE_BINARY_DIR "/share/gnome-shell-extension-modules/") +
                      kUuid + QStringLiteral("/metadata.json"));
  EXPECT_EQ(QJsonDocument::fromJson(metadata).object().value(QStringLiteral("uuid")).toString(),
            kUuid);
}

}  // namespace
}  // namespace halvane::ctl
