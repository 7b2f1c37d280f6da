#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace sockwright::testing {

// The child of the given type and object name; a missing control fails the test that asks.
template <typename Control>
Control& findControl(const QObject& parent, const QString& name) {
    Control* control = parent.findChild<Control*>(name);
    if (control == nullptr) {
        throw std::runtime_error("no control named " + name.toStdString() + " in " +
                                 parent.metaObject()->className());
    }
    return *control;
}

}  // namespace sockwright::testing
