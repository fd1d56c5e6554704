<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>tqzcheck</name>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>a leitura falhou</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2): the game would show &quot;The File &apos;QUARL3.TQZ&apos; is not found!&quot;
</source>
        <translation>%1: não pode ser lido (%2): o jogo mostraria &quot;Arquivo &apos;QUARL3.TQZ&apos; não encontrado!&quot;
</translation>
    </message>
    <message>
        <source>Usage: tqzcheck FILE
Shows, line by line, what Korvane will load from the question bank FILE
and every line that will not play as written.
Under each line: &quot;line N: ...&quot; is a problem, something the game leaves
out, cuts or shows as other characters; &quot;line N: warning: ...&quot; is about
what the line says once the game shuffles the answers: a question asked
twice, or answers a player cannot tell apart, whole or as the game cuts
them (case, spaces and punctuation aside).
The game reads its bank as quarl3.tqz from the folder it starts in, or,
when there is none, under that name in any case of letters (QUARL3.TQZ).
Exit status: 0 when nothing was found, 1 when a problem or a warning was
found, 2 when the file cannot be read.
--language CODE speaks that language (de: German) rather than the system&apos;s.
</source>
        <translation>Uso: tqzcheck ARQUIVO
Mostra, linha por linha, o que o Korvane vai carregar do banco de perguntas
ARQUIVO e cada linha que não vai ser jogada como foi escrita.
Abaixo de cada linha: &quot;linha N: ...&quot; é um problema, algo que o jogo omite,
corta ou mostra como outros caracteres; &quot;linha N: aviso: ...&quot; trata do que
a linha diz depois que o jogo embaralha as respostas: uma pergunta feita
duas vezes, ou respostas que um jogador não consegue distinguir, inteiras
ou como o jogo as corta (sem contar maiúsculas, espaços e pontuação).
O jogo lê seu banco como quarl3.tqz da pasta em que é iniciado, ou,
quando não há nenhum, com esse nome em maiúsculas ou minúsculas (QUARL3.TQZ).
Código de saída: 0 quando nada foi encontrado, 1 quando um problema ou um
aviso foi encontrado, 2 quando o arquivo não pode ser lido.
--language CÓDIGO usa esse idioma (de: alemão) em vez do idioma do sistema.
</translation>
    </message>
    <message>
        <source>line %1: warning: %2
</source>
        <translation>linha %1: aviso: %2
</translation>
    </message>
    <message>
        <source>line %1: %2
</source>
        <translation>linha %1: %2
</translation>
    </message>
    <message>
        <source>%1 entry</source>
        <translation>%1 entrada</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemas</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 aviso</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avisos</translation>
    </message>
</context>
</TS>
