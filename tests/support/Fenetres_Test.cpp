#include "tests/support/Fenetres_Test.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace Sous_Programmes {

QWidget* Fenetre_Visible(const QString& nom) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nom && w->isVisible()) return w;
    return nullptr;
}

bool Choisir_Et_Afficher(QWidget* fenetre, std::initializer_list<std::pair<const char*, QString>> choix) {
    if (!fenetre) return false;
    for (const auto& [liste, texte] : choix) {
        auto* c = fenetre->findChild<QComboBox*>(QString::fromLatin1(liste));
        if (!c) return false;
        c->setEditText(texte);
    }
    auto* bouton = fenetre->findChild<QPushButton*>(QStringLiteral("Command1"));
    if (!bouton) return false;
    QTest::mouseClick(bouton, Qt::LeftButton);
    return true;
}

} // namespace Sous_Programmes
