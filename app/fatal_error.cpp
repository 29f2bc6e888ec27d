#include "app/fatal_error.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include <QApplication>
#include <QMessageBox>

#include "app/exit_routines.h"

namespace app {

void fatalError(const std::string& message)
{
    std::cerr << "Zorvane: fatal error: " << message << std::endl;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QMessageBox box(
            QMessageBox::Critical, QStringLiteral("Zorvane"), QString::fromStdString(message), QMessageBox::Ok);
        box.exec();
    }
    exitRoutines().clear();
    // Ends at once: no exit routine, no static destructor. The system takes back the memory,
    // the mapped libraries and the windows of the process.
    std::fflush(nullptr);
    std::_Exit(-1);
}

} // namespace app
