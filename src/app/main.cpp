#include "shell/form1/form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bw::Form1 form;
    if (!form.load()) {
        return 0;
    }
    form.show();
    return QApplication::exec();
}
