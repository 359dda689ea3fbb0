// A small window built from an encrypted in-memory archive, shared by the
// toolkit layer's suites.
#pragma once
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <string>

#include "codepage.h"
#include "xcgui.h"
#include "zip_writer.h"

inline const char* kTestPassword = "Q4tR8wZ2kM6pX1vB";

inline const char* kTestLayout = R"(<window title="测试窗口" width="600" height="400" layout="vbox">
  <container id="3" layout="hbox" height="40">
    <toolbar id="1" height="40"/>
    <toolbar id="2" height="40"/>
  </container>
  <container id="10" layout="none" height="120"/>
  <text id="21" caption="状态" accessible="状态栏"/>
  <edit id="41" accessible="长度（米）" placeholder="长度"/>
  <list id="9" accessible="尺寸表" minheight="150"/>
  <combobox id="22"/>
  <slider id="30" width="120"/>
  <picture id="6" src="Image/pic.png"/>
  <button id="27" type="check" caption="置顶"/>
  <button id="25" action="close" caption="关闭"/>
</window>)";

inline const char* kTestResources = R"(<resources>
  <font name="ID_FONT_42" family="微软雅黑" size="10"/>
  <color name="ID_COLOR_TEXT" value="#202020"/>
  <stylesheet src="style.css"/>
</resources>)";

// A 40 x 30 PNG whose top-left 16 x 16 square is red.
inline std::string TestPng() {
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

inline std::string& TestArchive() {
    static std::string archive;
    if (archive.empty()) {
        WriteZip({{"main.xml", kTestLayout},
                  {"resource.res", kTestResources},
                  {"style.css", "QLabel { color: #202020; }"},
                  {"Image/pic.png", TestPng()},
                  {Utf8ToGbkBytes("Image/关闭.png"), TestPng()}},
                 kTestPassword, archive);
    }
    return archive;
}

// The window, built once per process.
inline HWINDOW TestWindow() {
    static HWINDOW window = nullptr;
    if (!window) {
        const std::string& a = TestArchive();
        XC_LoadResourceZipMem(a.data(), a.size(), u"resource.res", u"Q4tR8wZ2kM6pX1vB");
        window = XC_LoadLayoutZipMem(a.data(), a.size(), u"main.xml", u"Q4tR8wZ2kM6pX1vB");
        XWnd_ShowWindow(window, SW_SHOW);
    }
    return window;
}
