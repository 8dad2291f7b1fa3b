#include "WindowDialogs.h"

#include <QApplication>

#include "Client_FMessage1.h"
#include "Client_FMessage2.h"

namespace qvx::ui {

WindowDialogs::WindowDialogs(Session& session, QWidget* host)
    : m_information(new TFMessage1(session, host)), m_question(new TFMessage2(session, host)) {}

void WindowDialogs::Inform(const QString& title, const QString& text) {
    m_information->showModal(title, text);
}

void WindowDialogs::InformLater(const QString& title, const QString& text) {
    // A modal screen blocks every window outside its own family: the message joins the family
    // of the screen that is up, or it could not be closed.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != m_information)
        m_information->setParent(modal, m_information->windowFlags());
    m_information->showInFront(title, text);
}

bool WindowDialogs::Ask(const QString& title, const QString& text) {
    return m_question->ask(title, text);
}

}  // namespace qvx::ui
