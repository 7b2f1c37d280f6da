#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

namespace sockwright::testing {

// Alt and a key on an active window. A button answers its mnemonic by an animated click, which
// ends (and emits clicked()) a moment later: wait until no button of the window is down.
inline void pressMnemonic(QWidget& window, Qt::Key key) {
    QTest::keyClick(&window, key, Qt::AltModifier);
    const bool released = QTest::qWaitFor([&window] {
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->isDown()) return false;
        }
        return true;
    });
    EXPECT_TRUE(released) << "a button stayed down";
}

}  // namespace sockwright::testing
