#pragma once

#include <QString>

// Whether the CUPS server answers, asked over a connection of our own with a
// bounded wait: a server that takes connections but never replies would
// otherwise hold every printer query for minutes.
namespace cups {

// How long a check waits for the server, connecting and answering together.
constexpr int kAnswerSeconds = 10;

struct ServerAnswer
{
    bool answers = false;
    QString problem; // why not, for the user; empty when it answers
};

// Starts a check in the background unless one is running.
void StartServerCheck();
// True while a check runs.
bool ServerCheckRunning();
// The answer of the running or last check, waiting for a running one; starts
// and waits for a check when none was made.
ServerAnswer LastServerAnswer();
// Asks the server afresh (or joins the running check) and waits for it.
ServerAnswer CheckServer();

// The user's default destination ("queue" or "queue/instance"): the
// environment's, the user's lpoptions or the server's, in that order; empty
// when there is none or the server does not answer.
QString DefaultDestination();

} // namespace cups
