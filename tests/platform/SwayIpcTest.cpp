// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SwayIpc.h"

#include "support/EnvironmentGuard.h"

#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

// A stand-in for sway's socket: answers each connection's one request with
// what `answer` returns for it (nothing closes the connection unanswered).
class FakeSway {
public:
    using Answer = std::function<std::optional<SwayIpc::Message>(const SwayIpc::Message&)>;

    explicit FakeSway(Answer answer) : m_answer(std::move(answer))
    {
        path = m_dir.filePath(QStringLiteral("sway-ipc.sock"));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof address.sun_path - 1);
        m_listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
            || ::listen(m_listener, 4) != 0)
            ADD_FAILURE() << "cannot listen on " << path.toStdString();
        m_thread = std::thread([this] { serve(); });
    }
    ~FakeSway()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        m_thread.join();
        ::close(m_listener);
    }

    QString path;
    std::vector<SwayIpc::Message> received;

private:
    void serve()
    {
        for (int connection; (connection = ::accept(m_listener, nullptr, nullptr)) >= 0; ::close(connection)) {
            QByteArray buffer;
            SwayIpc::Message request;
            char chunk[256];
            ssize_t got = 0;
            while (SwayIpc::decode(buffer, request) == 0 && (got = ::recv(connection, chunk, sizeof chunk, 0)) > 0)
                buffer.append(chunk, got);
            received.push_back(request);
            if (const std::optional<SwayIpc::Message> reply = m_answer(request)) {
                const QByteArray bytes = SwayIpc::encode(reply->type, reply->payload);
                ::send(connection, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
            }
        }
    }

    QTemporaryDir m_dir;
    Answer m_answer;
    int m_listener = -1;
    std::thread m_thread;
};

SwayIpc::Message message(quint32 type, const char* payload)
{
    return {type, QByteArray(payload)};
}

}  // namespace

TEST(SwayIpcTest, framesMessagesAsI3IpcAndReadsThemBackWhole)
{
    const QByteArray frame = SwayIpc::encode(0, "floating enable");
    ASSERT_EQ(frame.size(), SwayIpc::kHeaderSize + 15);
    EXPECT_TRUE(frame.startsWith("i3-ipc"));
    const quint32 header[2] = {15, 0};
    EXPECT_EQ(std::memcmp(frame.constData() + 6, header, sizeof header), 0);

    // Two replies arriving together: the first is taken alone.
    const QByteArray stream = SwayIpc::encode(1, "[]") + SwayIpc::encode(0, R"([{"success":true}])");
    SwayIpc::Message read;
    ASSERT_EQ(SwayIpc::decode(stream, read), SwayIpc::kHeaderSize + 2);
    EXPECT_EQ(read.type, 1u);
    EXPECT_EQ(read.payload, "[]");
    // Incomplete: the magic alone, the header without all the payload.
    EXPECT_EQ(SwayIpc::decode("i3-i", read), 0);
    EXPECT_EQ(SwayIpc::decode(frame.first(SwayIpc::kHeaderSize + 3), read), 0);
    // Not sway's stream: another magic, or a length no reply has.
    EXPECT_EQ(SwayIpc::decode("HTTP/1.1 200 OK", read), -1);
    QByteArray huge = SwayIpc::encode(0, "");
    huge[6] = huge[7] = huge[8] = huge[9] = char(0x7f);
    EXPECT_EQ(SwayIpc::decode(huge, read), -1);
}

TEST(SwayIpcTest, aCommandSucceedsOnlyWhenSwayAcceptsEveryPart)
{
    QByteArray answer = R"([{"success":true},{"success":true}])";
    FakeSway sway([&answer](const SwayIpc::Message& request) { return SwayIpc::Message{request.type, answer}; });
    const SwayIpc ipc(sway.path);
    QString error;

    EXPECT_TRUE(ipc.runCommand(QStringLiteral("[pid=7] floating enable, sticky enable"), &error));
    ASSERT_EQ(sway.received.size(), 1u);
    EXPECT_EQ(sway.received[0].type, 0u);
    EXPECT_EQ(sway.received[0].payload, "[pid=7] floating enable, sticky enable");

    answer = R"([{"success":true},{"success":false,"parse_error":false,"error":"No matching node."}])";
    EXPECT_FALSE(ipc.runCommand(QStringLiteral("[pid=7] move absolute position 1 2, sticky enable"), &error));
    EXPECT_EQ(error, u"No matching node.");
    answer = "not json";
    EXPECT_FALSE(ipc.runCommand(QStringLiteral("nop"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SwayIpcTest, aSilentOrMissingSwayIsAFailureNotAWait)
{
    FakeSway silent([](const SwayIpc::Message&) { return std::nullopt; });
    QString error;
    EXPECT_FALSE(SwayIpc(silent.path).runCommand(QStringLiteral("nop"), &error));
    EXPECT_EQ(error, u"no reply from sway");
    FakeSway confused([](const SwayIpc::Message&) { return message(4, "{}"); });
    EXPECT_FALSE(SwayIpc(confused.path).request(SwayIpc::Type::GetWorkspaces, {}, &error));
    EXPECT_EQ(error, u"sway answered another request");
    EXPECT_FALSE(SwayIpc(silent.path + u".gone"_qs).runCommand(QStringLiteral("nop"), &error));
    EXPECT_EQ(error, u"cannot connect to sway's socket");

    // Only a socket that answers counts as sway's.
    test::EnvironmentGuard environment{"SWAYSOCK"};
    EXPECT_TRUE(SwayIpc::availableSocket().isEmpty());
    qputenv("SWAYSOCK", silent.path.toLocal8Bit());
    EXPECT_EQ(SwayIpc::availableSocket(), silent.path);
    qputenv("SWAYSOCK", (silent.path + u".gone"_qs).toLocal8Bit());
    EXPECT_TRUE(SwayIpc::availableSocket().isEmpty());
}

TEST(SwayIpcTest, theWorkspaceAreaIsTheVisibleOneOnTheScreenElseTheFocusedOne)
{
    FakeSway sway([](const SwayIpc::Message&) {
        return message(1, R"([
            {"name":"1","visible":false,"focused":false,"rect":{"x":0,"y":34,"width":1280,"height":766}},
            {"name":"2","visible":true,"focused":true,"rect":{"x":0,"y":34,"width":1280,"height":766}},
            {"name":"3","visible":true,"focused":false,"rect":{"x":1280,"y":0,"width":1920,"height":1050}}])");
    });
    const SwayIpc ipc(sway.path);
    EXPECT_EQ(ipc.workspaceArea(QRect(0, 0, 1280, 800)), QRect(0, 34, 1280, 766));
    EXPECT_EQ(ipc.workspaceArea(QRect(1280, 0, 1920, 1080)), QRect(1280, 0, 1920, 1050));
    EXPECT_EQ(ipc.workspaceArea(QRect(5000, 0, 800, 600)), QRect(0, 34, 1280, 766));
    EXPECT_EQ(sway.received.back().type, 1u);
}
