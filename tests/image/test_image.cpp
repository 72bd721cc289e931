#include <QtTest>
class TestImage : public QObject { Q_OBJECT private slots: void smoke() {} };
QTEST_APPLESS_MAIN(TestImage)
#include "test_image.moc"
