// Toolkit life, archive loading, look-ups and text conversion.
#include "xc_life.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QLocale>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QPointer>

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <cstdlib>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "codepage.h"
#include "internal/archive.h"
#include "internal/button_access.h"
#include "internal/layout_builder.h"
#include "internal/object.h"
#include "internal/resources.h"

namespace {

QApplication* app = nullptr;

bool ConnectUnix(const std::string& path, bool abstract) {
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof addr.sun_path) {
        close(fd);
        return false;
    }
    std::memcpy(addr.sun_path + offset, path.data(), path.size());
    socklen_t len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0;
    close(fd);
    return ok;
}

bool ConnectTcp(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &res) != 0) return false;
    bool ok = false;
    for (addrinfo* p = res; p && !ok; p = p->ai_next) {
        int fd = socket(p->ai_family, p->ai_socktype, p->ai_protocol);
        if (fd < 0) continue;
        ok = connect(fd, p->ai_addr, p->ai_addrlen) == 0;
        close(fd);
    }
    freeaddrinfo(res);
    return ok;
}

// Whether the X display named by DISPLAY accepts a connection.
bool DisplayReachable(const std::string& display) {
    const size_t colon = display.rfind(':');
    if (colon == std::string::npos) return false;
    const std::string host = display.substr(0, colon);
    const int number = std::atoi(display.c_str() + colon + 1);
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        return ConnectUnix(path, false) || ConnectUnix(path, true);
    }
    return ConnectTcp(host, 6000 + number);
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

bool XC_PlatformAvailable() {
    const std::string platform = Env("QT_QPA_PLATFORM");
    if (!platform.empty()) {
        const std::string name = platform.substr(0, platform.find(':'));
        if (name == "offscreen" || name == "minimal" || name == "vnc") return true;
        if (name == "xcb") return DisplayReachable(Env("DISPLAY"));
        if (name == "wayland") return !Env("WAYLAND_DISPLAY").empty();
        return false;
    }
    if (!Env("DISPLAY").empty() && DisplayReachable(Env("DISPLAY"))) return true;
    return !Env("WAYLAND_DISPLAY").empty();
}

bool XInitXCGUI(const char*) {
    if (app || QApplication::instance()) return true;
    if (!XC_PlatformAvailable()) return false;
    static int argc = 1;
    static char name[] = "sectionbook";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
    InstallButtonAccessibility();
    // The layouts name the Windows UI font; this machine's Chinese sans serves for it.
    QFont::insertSubstitution(QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei"));
    QFont::insertSubstitution(QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"));
    QApplication::setFont(MakeFont(QStringLiteral("微软雅黑"), 9, 0));
    return true;
}

void XRunXCGUI() {
    if (QApplication::instance()) QApplication::exec();
}

void XC_QuitLoop() {
    if (QApplication::instance()) QApplication::quit();
}

void XExitXCGUI() {
    if (!app) return;
    QApplication::closeAllWindows();
    // Deleting a window takes its popups with it: hold guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->parentWidget()) windows.append(w);
    }
    for (const QPointer<QWidget>& w : windows) delete w.data();
    delete app;
    app = nullptr;
}

bool XC_LoadResourceZipMem(const void* data, size_t size, std::u16string_view member, std::u16string_view password) {
    CurrentArchive() = Archive(data, size, Utf16ToGbk(password));
    if (!CurrentArchive().valid()) return false;
    std::string bytes;
    if (!CurrentArchive().Read(Utf16ToGbk(member), bytes)) return false;
    return LoadResourceTable(bytes);
}

HWINDOW XC_LoadLayoutZipMem(const void* data, size_t size, std::u16string_view member, std::u16string_view password,
                            HWINDOW) {
    Archive archive(data, size, Utf16ToGbk(password));
    std::string bytes;
    if (!archive.Read(Utf16ToGbk(member), bytes)) return nullptr;
    return BuildWindowFromLayout(bytes);
}

bool XC_ReadArchiveEntry(std::u16string_view member, std::string& bytes) {
    return CurrentArchive().Read(Utf16ToGbk(member), bytes);
}

HELE XC_GetObjectByID(HWINDOW window, int id) {
    auto* w = static_cast<XWindowElement*>(XAsElement(window, XKind::Window));
    if (!w) return nullptr;
    auto it = w->byId.find(id);
    return it != w->byId.end() && XIsLive(it->second) ? it->second : nullptr;
}

HELE XC_GetObjectByName(HWINDOW window, std::u16string_view name) {
    XElement* w = XAsElement(window, XKind::Window);
    if (!w || name.empty()) return nullptr;
    for (QWidget* child : w->widget->findChildren<QWidget*>()) {
        XElement* e = XElementOf(child);
        if (e && e->name == name) return e;
    }
    return nullptr;
}

int XC_GetObjectType(HXCGUI object) {
    if (!XIsLive(object)) return XC_ERROR;
    switch (object->kind) {
        case XKind::Window: return XC_WINDOW;
        case XKind::Container: return XC_ELE;
        case XKind::Toolbar: return XC_TOOLBAR;
        case XKind::Button: return XC_BUTTON;
        case XKind::Edit: return XC_EDIT;
        case XKind::ShapeText: return XC_SHAPE_TEXT;
        case XKind::ShapePicture: return XC_SHAPE_PICTURE;
        case XKind::List: return XC_LIST;
        case XKind::ComboBox: return XC_COMBOBOX;
        case XKind::Slider: return XC_SLIDERBAR;
        case XKind::AdapterTable: return XC_ADAPTER_TABLE;
        case XKind::AdapterMap: return XC_ADAPTER_MAP;
        case XKind::Image: return XC_IMAGE;
        case XKind::Font: return XC_FONT;
        case XKind::BkManager: return XC_BKMANAGER;
    }
    return XC_ERROR;
}

std::u16string XC_AnsiToUnicode(std::string_view gbk) { return GbkToUtf16Units(gbk); }

std::string XC_UnicodeToAnsi(std::u16string_view text) { return Utf16ToGbk(text); }

void XC_MessageBox(std::u16string_view text, std::u16string_view caption) {
    if (!QApplication::instance()) return;
    QMessageBox::critical(nullptr, XQ(caption), XQ(text));
}

namespace {
int terminatePipe[2] = {-1, -1};

void OnTerminateSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here; the loop reads the pipe.
    [[maybe_unused]] ssize_t n = write(terminatePipe[1], &byte, 1);
}
}  // namespace

void XC_QuitOnTerminate() {
    if (!QApplication::instance() || terminatePipe[0] >= 0) return;
    if (pipe2(terminatePipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(terminatePipe[0], QSocketNotifier::Read, QApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char buf[16];
        while (read(terminatePipe[0], buf, sizeof buf) > 0) {
        }
        QApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminateSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void XC_SetClipboardText(std::u16string_view text) {
    if (QApplication::instance()) QApplication::clipboard()->setText(XQ(text));
}

std::u16string XC_GetClipboardText() {
    return QApplication::instance() ? XU(QApplication::clipboard()->text()) : std::u16string();
}

std::u16string XC_LocaleDayName(int weekday) {
    // Qt counts Monday 1 .. Sunday 7.
    return XU(QLocale::system().dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat));
}

bool XC_Locale24Hour() {
    const QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    return !format.contains(QLatin1Char('h')) || format.contains(QLatin1Char('H'));
}
