#pragma once

#include <QFrame>

namespace vexil {

// A bordered frame that holds one group of options; assistive technology
// announces it as a group under its accessible name.
class GroupFrame : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;
};

}  // namespace vexil
