#pragma once

#include <memory>

#include <QApplication>
#include <QDialog>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "platform/qt/QtDialogWindow.h"
#include "platform/qt/QtWindowSystem.h"
#include "resources/Resources.h"
#include "RecordingHandler.h"

namespace sonnavet::qttest {

// The main window built from template 102, not yet shown.
class MainWindowTest : public ::testing::Test {
protected:
    QtWindowSystem windows;
    RecordingHandler handler;
    std::unique_ptr<DialogWindow> window = windows.CreateDialogWindow(MainDialogTemplate(), handler);
    QtDialogWindow& qt = dynamic_cast<QtDialogWindow&>(*window);

    template <typename W>
    W* Widget(int id)
    {
        auto* w = qobject_cast<W*>(qt.ControlWidget(id));
        EXPECT_NE(w, nullptr) << "control " << id;
        return w;
    }

    // Shows the frame and makes it the active window so that keys reach it.
    void ShowActive()
    {
        qt.Frame()->show();
        QApplication::setActiveWindow(qt.Frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(qt.Frame()));
    }
};

}  // namespace sonnavet::qttest
