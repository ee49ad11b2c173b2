#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A tiny HTTP server on 127.0.0.1 for the download tests: each path answers
// with a canned status and body, or misbehaves on purpose. It runs on the
// test's own event loop, which the download's loop keeps turning.
class LoopbackHttpServer : public QObject {
  public:
    enum class Behaviour {
        Answer,       // status line, Content-Length, the body
        NeverAnswer,  // reads the request and stays silent
        DropMidBody,  // announces the full length, sends half, closes
    };
    struct Route {
        int status = 200;
        QByteArray body;
        Behaviour behaviour = Behaviour::Answer;
    };

    LoopbackHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) Serve(socket);
        });
    }

    void SetRoute(const QString& path, Route route) { routes_[path] = std::move(route); }
    QUrl Base() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
    }
    int Requests(const QString& path) const { return requests_.value(path); }

  private:
    void Serve(QTcpSocket* socket) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            buffers_[socket] += socket->readAll();
            if (!buffers_[socket].contains("\r\n\r\n")) return;
            const QByteArray request = buffers_.take(socket);
            const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
            const QString path = line.size() > 1 ? QString::fromLatin1(line[1]) : QString();
            requests_[path] += 1;
            const Route route = routes_.value(path, Route{404, "Nicht gefunden", {}});
            if (route.behaviour == Behaviour::NeverAnswer) return;
            QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " Status\r\n";
            head += "Content-Type: application/octet-stream\r\n";
            head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
            head += "Connection: close\r\n\r\n";
            socket->write(head);
            if (route.behaviour == Behaviour::DropMidBody) {
                socket->write(route.body.left(route.body.size() / 2));
                socket->flush();
                socket->abort();
                return;
            }
            socket->write(route.body);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    QMap<QString, Route> routes_;
    QMap<QString, int> requests_;
    QMap<QTcpSocket*, QByteArray> buffers_;
};
