// The keyboard's nodes, /dev/uinput, the udev rule and the hwdb entry.
#include "tools/halvanectl/DoctorChecks.h"

#include "platform/input/devices/VirtualKeyboardProtocol.h"
#include "shared/KeyboardIdentity.h"
#include "tools/halvanectl/facts/DeviceFacts.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace halvane::ctl {

namespace {

struct DoctorDeviceChecks {
  Q_DECLARE_TR_FUNCTIONS(DoctorDeviceChecks)
};

using Status = DoctorCheck::Status;
using Node = DeviceFacts::Node;
using Access = DeviceFacts::Access;

const QString kRule = QStringLiteral("70-halvane.rules");
const QString kHwdb = QStringLiteral("70-halvane.hwdb");
const QString kUinput = QStringLiteral("/dev/uinput");
constexpr quint32 kSleepUsage = 0x700f8;  // keyboard usage 0xF8, a macro key

// Where udev reads rules, in the order in which a file of the same name overrides the next.
const QStringList kRuleDirs = {
    QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
    QStringLiteral("/usr/local/lib/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
    QStringLiteral("/lib/udev/rules.d")};
// Where systemd-hwdb reads its sources; unlike udev it does not look under /usr/local.
const QStringList kHwdbDirs = {QStringLiteral("/etc/udev/hwdb.d"),
                               QStringLiteral("/usr/lib/udev/hwdb.d"),
                               QStringLiteral("/lib/udev/hwdb.d")};

const QString kApplyRule = QStringLiteral(
    "sudo udevadm control --reload && sudo udevadm trigger --action=change "
    "--subsystem-match=hidraw --subsystem-match=misc");
const QString kApplyHwdb = QStringLiteral(
    "sudo systemd-hwdb update && sudo udevadm trigger --action=change --subsystem-match=input");

QString hex4(int id) {
  return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

// The HID device's kernel name, "BBBB:VVVV:PPPP.NNNN", is the keyboard's.
bool isKeyboard(const Node& node) {
  static const QRegularExpression name(QStringLiteral("^[0-9A-F]{4}:0*%1:0*(%2|%3)\\.")
                                           .arg(keyboard::kVendorID, 0, 16)
                                           .arg(keyboard::kFirstProductID, 0, 16)
                                           .arg(keyboard::kSecondProductID, 0, 16),
                                       QRegularExpression::CaseInsensitiveOption);
  return name.match(node.hidDevice).hasMatch();
}

std::vector<Node> keyboardNodes(const DoctorSystem& system, const QString& subsystem) {
  std::vector<Node> nodes;
  for (Node& node : system.devices->hidNodes(subsystem))
    if (isKeyboard(node)) nodes.push_back(std::move(node));
  return nodes;
}

QString devnodes(const std::vector<Node>& nodes) {
  QStringList names;
  for (const Node& node : nodes) names << node.devnode;
  return names.join(QStringLiteral(", "));
}

int virtualInterfaces(const DoctorSystem& system) {
  int count = 0;
  const QDir folder(system.file(system.virtualKeyboardFolder));
  for (const QString& name : folder.entryList(QDir::System | QDir::Files)) {
    const auto properties = vkbd::parseInterfaceName(name);
    if (properties && properties->vendorID == keyboard::kVendorID) ++count;
  }
  return count;
}

// What the user may do with a node, %1 the node.
QString accessText(Access access) {
  switch (access) {
    case Access::Missing:
      return DoctorDeviceChecks::tr("%1 is missing");
    case Access::None:
      return DoctorDeviceChecks::tr("%1 is neither readable nor writable by you");
    case Access::ReadOnly:
      return DoctorDeviceChecks::tr("%1 is not writable by you");
    case Access::WriteOnly:
      return DoctorDeviceChecks::tr("%1 is not readable by you");
    case Access::ReadWrite:
      break;
  }
  return DoctorDeviceChecks::tr("%1 is readable and writable by you");
}

// The shipped file to install: beside an installed halvanectl, else in the sources.
QString shippedFile(const DoctorSystem& system, const QString& installed,
                    const QString& inSources) {
  const QString found =
      system.firstExisting({QDir::cleanPath(system.programDir + QStringLiteral("/../") + installed),
                            QDir::cleanPath(system.sourceDir + u'/' + inSources)});
  return found.isEmpty() ? QStringLiteral("<Halvane sources>/") + inSources : found;
}

struct RuleState {
  QString effective;  // the file udev uses, empty when none
  bool ours = false;  // it holds our rule (not emptied or masked)
  QString elsewhere;  // installed where udev does not look
};

RuleState ruleState(const DoctorSystem& system) {
  RuleState state;
  for (const QString& dir : kRuleDirs) {
    const QString path = dir + u'/' + kRule;
    if (!system.exists(path)) continue;
    state.effective = path;
    state.ours = system.readText(path).contains(QStringLiteral("uaccess"));
    return state;
  }
  const QString prefixed =
      QDir::cleanPath(system.programDir + QStringLiteral("/../lib/udev/rules.d/") + kRule);
  if (system.exists(prefixed)) state.elsewhere = prefixed;
  return state;
}

QString installRule(const DoctorSystem& system, const RuleState& state) {
  const QString from = state.elsewhere.isEmpty()
                           ? shippedFile(system, QStringLiteral("lib/udev/rules.d/") + kRule,
                                         QStringLiteral("packaging/") + kRule)
                           : state.elsewhere;
  return QStringLiteral("sudo install -m 644 %1 /etc/udev/rules.d/%2").arg(from, kRule);
}

DoctorCheck ruleInstalled(const DoctorSystem& system, const RuleState& state, bool blocks) {
  if (state.ours)
    return {Status::Pass, DoctorDeviceChecks::tr("udev rule: %1").arg(state.effective), {}};
  DoctorCheck check{blocks ? Status::Fail : Status::Warn, QString(), {}};
  if (!state.effective.isEmpty())
    check.line = DoctorDeviceChecks::tr("udev rule: %1 holds no Halvane rule (emptied or masked)")
                     .arg(state.effective);
  else if (!state.elsewhere.isEmpty())
    check.line = DoctorDeviceChecks::tr("udev rule: installed at %1, where udev does not look")
                     .arg(state.elsewhere);
  else
    check.line = DoctorDeviceChecks::tr("udev rule: %1 is not installed (looked in %2)")
                     .arg(kRule, kRuleDirs.join(QStringLiteral(", ")));
  check.fix << installRule(system, state) << kApplyRule;
  return check;
}

// Tagged uaccess: logind then gives the logged-in user the node.
DoctorCheck ruleApplied(const std::vector<Node>& nodes, const RuleState& state, bool blocks) {
  QStringList untagged;
  for (const Node& node : nodes)
    if (!node.tags.contains(QStringLiteral("uaccess"))) untagged << node.devnode;
  if (untagged.isEmpty())
    return {Status::Pass,
            DoctorDeviceChecks::tr("udev rule applied: uaccess on %1").arg(devnodes(nodes)),
            {}};
  DoctorCheck check{blocks ? Status::Fail : Status::Warn,
                    DoctorDeviceChecks::tr("udev rule not applied: no uaccess tag on %1")
                        .arg(untagged.join(QStringLiteral(", "))),
                    {}};
  check.fix
      << (state.ours
              ? kApplyRule
              : DoctorDeviceChecks::tr("install the udev rule (above), then: %1").arg(kApplyRule))
      << DoctorDeviceChecks::tr("or plug the keyboard in again");
  return check;
}

DoctorCheck nodeAccess(const DoctorSystem& system, const std::vector<Node>& nodes,
                       const RuleState& state, bool* denied) {
  QStringList problems;
  QStringList denials;
  for (const Node& node : nodes) {
    const Access access = system.devices->access(node.devnode);
    if (access == Access::ReadWrite) continue;
    problems << accessText(access).arg(node.devnode);
    denials << node.devnode;
  }
  *denied = !problems.isEmpty();
  if (problems.isEmpty())
    return {
        Status::Pass,
        DoctorDeviceChecks::tr("Keyboard access: you can read and write %1").arg(devnodes(nodes)),
        {}};
  DoctorCheck check{
      Status::Fail,
      DoctorDeviceChecks::tr("Keyboard access: %1").arg(problems.join(QStringLiteral("; "))),
      {}};
  if (!state.ours)
    check.fix << installRule(system, state) << kApplyRule;
  else
    check.fix << kApplyRule;
  // uaccess gives nodes to the session in front at the machine's own seat only.
  check.fix << DoctorDeviceChecks::tr(
                   "then log in at the machine itself (not over ssh), or for now: %1")
                   .arg(QStringLiteral("sudo setfacl -m u:%1:rw %2")
                            .arg(system.environment.value(QStringLiteral("USER"),
                                                          QStringLiteral("$USER")),
                                 denials.join(u' ')));
  return check;
}

DoctorCheck uinputAccess(const DoctorSystem& system, const RuleState& state, bool* denied) {
  const Access access = system.devices->access(kUinput);
  *denied = access != Access::ReadWrite;
  if (!*denied) return {Status::Pass, DoctorDeviceChecks::tr("%1: writable").arg(kUinput), {}};
  // Without it there are no media or eject events, and on Wayland no macros.
  DoctorCheck check{
      Status::Fail,
      DoctorDeviceChecks::tr("%1 (media and eject keys need it, and on Wayland every macro)")
          .arg(accessText(access).arg(kUinput)),
      {}};
  if (access == Access::Missing) {
    check.fix << QStringLiteral("sudo modprobe uinput")
              << DoctorDeviceChecks::tr("%1   (at every boot)")
                     .arg(QStringLiteral("echo uinput | sudo tee /etc/modules-load.d/uinput.conf"));
  } else if (!state.ours) {
    check.fix << installRule(system, state) << kApplyRule;
  } else {
    check.fix << kApplyRule;
  }
  return check;
}

// What is wrong with usage 0xF8 on an input node: KEY_SLEEP unless our hwdb entry reserves it.
// The node's own key map answers when we may open it; else udev's record of the hwdb
// properties it applied. Empty when nothing is wrong.
QString sleepProblem(const DoctorSystem& system, const Node& node) {
  if (const std::optional<int> code = system.devices->keyCode(node.devnode, kSleepUsage))
    return *code == DeviceFacts::kKeySleep
               ? DoctorDeviceChecks::tr("%1 maps it to KEY_SLEEP").arg(node.devnode)
               : QString();
  if (node.properties.value(QStringLiteral("KEYBOARD_KEY_700f8")) == QLatin1String("reserved"))
    return QString();
  return DoctorDeviceChecks::tr("udev gave %1 no Halvane hwdb entry").arg(node.devnode);
}

DoctorCheck hwdbActive(const DoctorSystem& system, const std::vector<Node>& eventNodes) {
  QStringList problems;
  for (const Node& node : eventNodes)
    if (const QString problem = sleepProblem(system, node); !problem.isEmpty()) problems << problem;
  if (eventNodes.empty()) {
    // No keyboard: ask the compiled hwdb what it would give one.
    const QString modalias =
        QStringLiteral("evdev:input:b0003v%1p%2e0000-")
            .arg(hex4(keyboard::kVendorID).toUpper(), hex4(keyboard::kFirstProductID).toUpper());
    if (system.devices->hwdbProperties(modalias).value(QStringLiteral("KEYBOARD_KEY_700f8")) ==
        QLatin1String("reserved"))
      return {Status::Pass, DoctorDeviceChecks::tr("hwdb entry: in the compiled hwdb"), {}};
    problems << DoctorDeviceChecks::tr("the compiled hwdb has no Halvane entry");
  } else if (problems.isEmpty()) {
    return {Status::Pass,
            DoctorDeviceChecks::tr("hwdb entry: macro keys are no system keys on %1")
                .arg(devnodes(eventNodes)),
            {}};
  }
  DoctorCheck check{
      Status::Fail,
      DoctorDeviceChecks::tr("hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)")
          .arg(problems.join(QStringLiteral("; "))),
      {}};
  QString installed;
  for (const QString& dir : kHwdbDirs)
    if (system.exists(dir + u'/' + kHwdb)) installed = dir;
  if (installed.isEmpty()) {
    const QString prefixed =
        QDir::cleanPath(system.programDir + QStringLiteral("/../lib/udev/hwdb.d/") + kHwdb);
    const QString from = system.exists(prefixed)
                             ? prefixed
                             : shippedFile(system, QStringLiteral("lib/udev/hwdb.d/") + kHwdb,
                                           QStringLiteral("packaging/") + kHwdb);
    check.fix << QStringLiteral("sudo install -m 644 %1 /etc/udev/hwdb.d/%2").arg(from, kHwdb);
  }
  check.fix << kApplyHwdb;
  return check;
}

}  // namespace

DoctorChecks deviceChecks(const DoctorSystem& system) {
  DoctorChecks checks;
  const std::vector<Node> hidraw = keyboardNodes(system, QStringLiteral("hidraw"));
  const RuleState rule = ruleState(system);

  bool keyboardDenied = false;
  if (!hidraw.empty()) {
    const int interfaces = int(hidraw.size());
    checks << DoctorCheck{
        Status::Pass,
        (DoctorDeviceChecks::tr("Keyboard: %n interfaces (%1)", nullptr, interfaces))
            .arg(devnodes(hidraw)),
        {}};
    checks << nodeAccess(system, hidraw, rule, &keyboardDenied);
  } else if (const int virtuals = virtualInterfaces(system)) {
    checks << DoctorCheck{
        Status::Pass,
        (DoctorDeviceChecks::tr("Keyboard: none plugged in; %n virtual interfaces of %1 in %2",
                                nullptr, virtuals))
            .arg(QStringLiteral("halvane-vkbd"), system.shown(system.virtualKeyboardFolder)),
        {}};
  } else {
    checks << DoctorCheck{
        Status::Fail,
        DoctorDeviceChecks::tr(
            "Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)")
            .arg(hex4(keyboard::kVendorID), hex4(keyboard::kFirstProductID),
                 hex4(keyboard::kSecondProductID)),
        {DoctorDeviceChecks::tr("plug the keyboard in (to try without it: %1)")
             .arg(QStringLiteral("halvane-vkbd"))}};
  }
  bool uinputDenied = false;
  checks << uinputAccess(system, rule, &uinputDenied);

  // The rule matters when access is missing: a user who has the nodes through a group of
  // their own gets only a warning.
  const bool ruleBlocks = keyboardDenied || uinputDenied;
  checks << ruleInstalled(system, rule, ruleBlocks);
  std::vector<Node> tagged = hidraw;
  if (const std::optional<Node> uinput = system.devices->miscNode(QStringLiteral("uinput")))
    tagged.push_back(*uinput);
  if (!tagged.empty()) checks << ruleApplied(tagged, rule, ruleBlocks);

  checks << hwdbActive(system, keyboardNodes(system, QStringLiteral("input")));
  return checks;
}

}  // namespace halvane::ctl
