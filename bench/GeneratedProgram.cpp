#include "GeneratedProgram.h"

QByteArray generateProgram(int lines) {
    static const char* const kPart[] = {
        "; ---- part @ ----",
        "Global score@ = 0, lives@ = 3",
        "Type Ship@",
        "\tField x#, y#",
        "\tField speed#",
        "End Type",
        "",
        "Function UpdateShip@(s.Ship@, dt#)",
        "\tLocal i",
        "\tFor i = 1 To 10",
        "\t\ts\\x = s\\x + s\\speed * dt",
        "\t\tIf s\\x > 640 Then s\\x = 0",
        "\tNext",
        "\tWhile s\\y < 0",
        "\t\ts\\y = s\\y + 480",
        "\tWend",
        "\tSelect Int(s\\speed)",
        "\t\tCase 0",
        "\t\t\tPrint \"stopped\"",
        "\t\tCase 1, 2",
        "\t\t\tPrint \"slow\"",
        "\t\tDefault",
        "\t\t\tPrint \"fast: \" + Str(s\\speed)",
        "\tEnd Select",
        "\tReturn i",
        "End Function",
        "",
        "Function DrawShip@(s.Ship@)",
        "\t; draw the ship where it is",
        "\tColor 255, 255, 255",
        "\tRect s\\x - 4, s\\y - 4, 8, 8, True",
        "\tIf KeyDown(57) Then",
        "\t\tText s\\x, s\\y, \"Ship \" + score@",
        "\tElse",
        "\t\tText s\\x, s\\y + 10, \"Lives: \" + lives@",
        "\tEndIf",
        "End Function",
        "",
        "ship.Ship@ = New Ship@",
        "ship\\speed = Rnd(1, 3)",
        "Repeat",
        "\tCls",
        "\tFor s.Ship@ = Each Ship@",
        "\t\tUpdateShip@(s, 0.5)",
        "\t\tDrawShip@(s)",
        "\tNext",
        "\tIf KeyHit(57) Then",
        "\t\tscore@ = score@ + 1",
        "\t\tlives@ = lives@ - 1",
        "\tEndIf",
        "\tText 10, 10, \"Score: \" + score@",
        "\tText 10, 30, \"Lives: \" + lives@",
        "\tDelay 5",
        "\tFlip",
        "Until KeyHit(1) Or lives@ <= 0",
        "Delete Each Ship@",
        "",
    };
    QByteArray text;
    int written = 0;
    for (int part = 1; written < lines; ++part) {
        const QByteArray number = QByteArray::number(part);
        for (const char* line : kPart) {
            if (written == lines)
                break;
            ++written;
            text += QByteArray(line).replace('@', number) + "\r\n";
        }
    }
    return text;
}
