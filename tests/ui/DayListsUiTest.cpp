#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>

#include "support/ScriptedDialogs.h"
#include "ui/Form1.h"

namespace torva::ui {
namespace {

struct Window {
    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    Form1 form{dialogs, clock, HostIdentity{"pc", "192.0.2.1"}};

    template <typename W>
    W* child(const char* name) {
        W* w = form.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

std::vector<std::string> entries(int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
        out.push_back("m1234" + std::to_string(100000 + i) + ".343 - 09:30");
    }
    return out;
}

// One more entry in a list of 5,000 is one inserted row: no reset, the
// operator's scroll position and selection stay.
TEST(DayListsUi, AnEntryAddedToALongListIsOneInsertedRow) {
    Window w;
    w.form.resize(1000, 700);
    w.form.show();
    w.form.state().lists.set(ListId::Enviados, entries(5000));
    auto* view = w.child<QListView>("LstEnviados");
    QAbstractItemModel* model = view->model();
    ASSERT_EQ(model->rowCount(), 5000);
    view->doItemsLayout();
    view->setCurrentIndex(model->index(2500, 0));
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
    const int scrolled = view->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);

    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    w.form.state().lists.add(ListId::Enviados, "m1234999.343 - 09:31");
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 5000);
    EXPECT_EQ(inserted[0][2].toInt(), 5000);
    EXPECT_EQ(reset.size(), 0);
    EXPECT_EQ(model->rowCount(), 5001);
    EXPECT_EQ(model->index(5000, 0).data().toString(), QStringLiteral("m1234999.343 - 09:31"));
    EXPECT_EQ(view->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(view->currentIndex().row(), 2500);

    // A removal is one removed row.
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    ASSERT_TRUE(w.form.state().lists.remove(ListId::Enviados, entries(5000)[10]));
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 10);
    EXPECT_EQ(reset.size(), 0);
    EXPECT_EQ(model->rowCount(), 5000);
}

// During a pass the entries and captions reach the window together, at most
// every refresh, and all of them when the pass ends.
TEST(DayListsUi, APassesChangesAreShownTogether) {
    Window w;
    auto* view = w.child<QListView>("LstEnviados");
    QSignalSpy inserted(view->model(), &QAbstractItemModel::rowsInserted);
    auto* evento = w.child<QLabel>("Evento");

    w.form.state().cycle.setPassInProgress(true);
    for (const std::string& e : entries(3)) {
        w.form.state().lists.add(ListId::Enviados, e);
        w.form.state().captions.set(Caption::Evento, "Enviando " + e);
    }
    EXPECT_EQ(inserted.size(), 0);
    EXPECT_EQ(view->model()->rowCount(), 0);
    w.form.state().cycle.setPassInProgress(false);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 2);
    EXPECT_EQ(evento->text().toStdString(), "Enviando " + entries(3)[2]);
}

// A new text in the status line or the clock repaints them alone, not the
// tab around them; a longer text still gets the room it needs.
TEST(DayListsUi, ACaptionChangeRepaintsTheCaptionAlone) {
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    };
    Window w;
    w.form.resize(1000, 700);
    w.form.show();
    w.child<QTabWidget>("SSTab1")->setCurrentIndex(1);
    Captions& captions = w.form.state().captions;
    auto show = [&captions](int i) {
        captions.set(Caption::Evento, "Enviando m123400" + std::to_string(i) + ".343");
        captions.set(Caption::Hora, "09:30:0" + std::to_string(i));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    };
    // The first round may widen the captions' room (digits differ in width).
    for (int i = 0; i <= 5; ++i) {
        show(i);
    }

    PaintCount frame;
    PaintCount evento;
    w.child<QWidget>("FmeEnviados")->installEventFilter(&frame);
    auto* label = w.child<QLabel>("Evento");
    label->installEventFilter(&evento);
    for (int i = 5; i >= 0; --i) {
        show(i);
    }
    EXPECT_EQ(frame.paints, 0);
    EXPECT_GT(evento.paints, 0);
    EXPECT_EQ(label->text(), QStringLiteral("Enviando m1234000.343"));

    const QString longer = QStringLiteral("ERROR, no se pudo escribir en ") + QString(60, u'x');
    captions.set(Caption::Evento, longer.toStdString());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(label->text(), longer);
    EXPECT_GE(label->width(), label->sizeHint().width());
}

// While a pass runs, nothing that changes what it works on can be used. The
// request and cancel windows stay at hand: their writes wait for its end.
TEST(DayListsUi, CommandsThatChangeAPassesWorkWaitForItsEnd) {
    Window w;
    const char* locked[] = {"Menu_Configure", "Menu_Folios", "Menu_GuardaConf", "Menu_HaceRespaldo",
                            "Menu_RecuperaConf"};
    auto* autoEnvio = w.child<QCheckBox>("ChkAutoEnvio");
    auto* start = w.child<QAction>("Menu_Start");
    w.form.state().edit.setEditing(true);
    auto* user = w.child<QLineEdit>("TxtConfiguration(1)");
    ASSERT_FALSE(user->isReadOnly());

    w.form.state().cycle.setPassInProgress(true);
    for (const char* name : locked) {
        EXPECT_FALSE(w.child<QAction>(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(autoEnvio->isEnabled());
    EXPECT_TRUE(user->isReadOnly());
    EXPECT_TRUE(start->isEnabled());  // Detener
    for (const char* name : {"SolicitaArchivo", "EliminarBuscqueda"}) {
        EXPECT_TRUE(w.child<QAction>(name)->isEnabled()) << name;
    }

    w.form.state().cycle.setPassInProgress(false);
    for (const char* name : locked) {
        EXPECT_TRUE(w.child<QAction>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(autoEnvio->isEnabled());
    EXPECT_FALSE(user->isReadOnly());
}

}  // namespace
}  // namespace torva::ui
