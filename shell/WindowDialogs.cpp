#include "WindowDialogs.h"

#include "Client_FMessage1.h"
#include "Client_FMessage2.h"

namespace qvx::ui {

WindowDialogs::WindowDialogs(Session& session, QWidget* host)
    : m_information(new TFMessage1(session, host)), m_question(new TFMessage2(session, host)) {}

void WindowDialogs::Inform(const QString& title, const QString& text) {
    m_information->showModal(title, text);
}

void WindowDialogs::InformLater(const QString& title, const QString& text) {
    m_information->showInFront(title, text);
}

bool WindowDialogs::Ask(const QString& title, const QString& text) {
    return m_question->ask(title, text);
}

}  // namespace qvx::ui
