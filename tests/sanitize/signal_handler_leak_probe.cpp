// Leaks one block inside a Qt signal handler and exits. Under
// LeakSanitizer with the project's suppressions the leak must be reported:
// a suppression that names a whole Qt library would hide it, because the
// handler runs below Qt's frames.
#include <QObject>
#include <cstdlib>
#include <cstring>

namespace {

void* volatile held = nullptr;

// The program's own code: takes a block and loses it.
__attribute__((noinline)) void loseABlock() {
    held = std::malloc(4096);
    std::memset(held, 1, 4096);
    held = nullptr;
}

}  // namespace

int main() {
    QObject sender;
    QObject::connect(&sender, &QObject::objectNameChanged, [] { loseABlock(); });
    sender.setObjectName(QStringLiteral("probe"));
    return 0;
}
