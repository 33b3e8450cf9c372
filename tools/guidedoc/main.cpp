// Writes the Teachers' Guide document to the path given on the command line.
#include "guidedoc/guidedocument.h"

#include <QSaveFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeguidedoc OUTPUT_FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(guidedoc::guideDocument()) < 0 || !file.commit()) {
        std::fprintf(stderr, "makeguidedoc: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
