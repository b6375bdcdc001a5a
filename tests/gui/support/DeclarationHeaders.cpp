#include "DeclarationHeaders.h"

#include "platform/codepage.h"

#include <QFile>

namespace {

// The bytes of line lineNumber, its LF included when it has one, and where it starts.
QByteArray LineBytes(const QByteArray& bytes, int lineNumber, qsizetype& start)
{
    start = 0;
    for (int line = 1; line < lineNumber; ++line)
        start = bytes.indexOf('\n', start) + 1;
    const qsizetype end = bytes.indexOf('\n', start);
    return bytes.mid(start, end < 0 ? -1 : end + 1 - start);
}

} // namespace

TestHeader::TestHeader(const QByteArray& contents) : bytes(contents)
{
    QFile file(QString::fromStdString(Path()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test header");
}

std::string TestHeader::Path() const
{
    return folder.filePath(QStringLiteral("test.h")).toStdString();
}

CodeEntry TestHeader::Row(const char* mnemonic, int lineNumber) const
{
    qsizetype start = 0;
    QByteArray line = LineBytes(bytes, lineNumber, start);
    line.replace("\r", "");
    CodeEntry row;
    row.Mnemonic = mnemonic;
    row.SubItems[ciCode] = "5";
    row.SubItems[ciFacility] = "NULL";
    row.SubItems[ciSeverity] = "0";
    row.SubItems[ciN] = "1";
    row.SubItems[ciHeader] = Path();
    row.SubItems[ciLine] = std::to_string(lineNumber);
    row.SubItems[ciLineOffset] = std::to_string(start);
    row.SubItems[ciLineLength] = std::to_string(line.size());
    return row;
}

QString ShownLine(const QByteArray& bytes, int lineNumber)
{
    qsizetype start = 0;
    QByteArray line = LineBytes(bytes, lineNumber, start);
    line.replace("\r", "");
    line.replace("\n", "");
    return QString::fromStdString(Ansi1252ToUtf8(line.toStdString()));
}
