// Starts or closes with cal.ini as the program does, under the locale of its environment:
//   mx_settings_locale_child close <cal.ini> <r1> <r2>   saves the two rates
//   mx_settings_locale_child start <cal.ini>             loads, then prints the locale's
//                                                        decimal separator, r1 and r2
#include "calc/memory_sheet.h"
#include "fake_window.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv) {
    // The application object sets the C library's locale from the environment, as in the
    // program.
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        return 2;
    }
    mx::MemorySheet sheet;
    mx::settings::FakeWindow window;
    const mx::settings::SettingsFile file(QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(argv[1], "close") == 0 && argc == 5) {
        sheet.setText("r1", argv[3]);
        sheet.setText("r2", argv[4]);
        return file.save(sheet, window) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "start") == 0) {
        const bool loaded = file.load(sheet, window);
        std::printf("%s %s %s\n", QLocale::system().decimalPoint().toUtf8().constData(),
                    sheet.text("r1").c_str(), sheet.text("r2").c_str());
        return loaded ? 0 : 1;
    }
    return 2;
}
