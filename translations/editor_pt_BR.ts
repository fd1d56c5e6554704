<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BankEditorWindow</name>
    <message>
        <source>Your changes are not protected: %1.</source>
        <translation>Suas alterações não estão protegidas: %1.</translation>
    </message>
    <message>
        <source>Your changes are kept for recovery in %1, as the usual folder cannot take them.</source>
        <translation>Suas alterações são guardadas para recuperação em %1, pois a pasta de costume não pode recebê-las.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Perguntas</translation>
    </message>
    <message>
        <source>One row per line of the bank: the question, the right answer and two wrong answers.</source>
        <translation>Uma linha da tabela por linha do banco: a pergunta, a resposta certa e duas respostas erradas.</translation>
    </message>
    <message>
        <source>Line count</source>
        <translation>Número de linhas</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir r&amp;ecentes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salvar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Importar CSV…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>E&amp;xportar CSV…</translation>
    </message>
    <message>
        <source>P&amp;lay This Bank</source>
        <translation>&amp;Jogar este banco</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Question Editor &amp;Guide</source>
        <translation>&amp;Guia do editor de perguntas</translation>
    </message>
    <message>
        <source>&amp;About Korvane Question Editor</source>
        <translation>&amp;Sobre o editor de perguntas do Korvane</translation>
    </message>
    <message>
        <source>Save the bank, then play it in Korvane</source>
        <translation>Salvar o banco e depois jogá-lo no Korvane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Korvane Question Editor %1&lt;/b&gt;&lt;p&gt;Write the questions for your own game of Korvane: a hundred of them, each with its right answer and two wrong ones. Every line is checked as you type, shown the way the game will show it, and one key plays the bank.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Editor de perguntas do Korvane %1&lt;/b&gt;&lt;p&gt;Escreva as perguntas do seu próprio jogo de Korvane: cem delas, cada uma com sua resposta certa e duas erradas. Cada linha é verificada enquanto você digita, mostrada do jeito que o jogo vai mostrá-la, e uma tecla joga o banco.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The game is running.</source>
        <translation>O jogo está em andamento.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problemas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor de perguntas do Korvane</translation>
    </message>
    <message>
        <source>The field being edited cannot take its text as it stands, so nothing went on. Change the text, or press Esc to leave the field as it was.</source>
        <translation>O campo em edição não pode aceitar o texto como está, então nada foi feito. Mude o texto ou tecle Esc para deixar o campo como estava.</translation>
    </message>
    <message>
        <source>%1: row %2, %3, holds “%4”, a character the game cannot show (it uses Windows-1252). Replace it, then try again.</source>
        <translation>%1: linha %2, %3, contém “%4”, um caractere que o jogo não consegue mostrar (ele usa Windows-1252). Substitua-o e tente de novo.</translation>
    </message>
    <message>
        <source>The bank was not saved</source>
        <translation>O banco não foi salvo</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvo</translation>
    </message>
    <message>
        <source>the new bank</source>
        <translation>o novo banco</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>Save the changes to %1 first?</source>
        <translation>Salvar primeiro as alterações em %1?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>As alterações não salvas serão perdidas.</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Save Bank As</source>
        <translation>Salvar banco como</translation>
    </message>
    <message>
        <source>Open Bank</source>
        <translation>Abrir banco</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Valores separados por vírgula (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Nada foi importado: %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2.</source>
        <translation>Não foi possível gravar “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” was deleted or renamed by another program. Its questions stay open here, and Save writes the file again.</source>
        <translation>“%1” foi excluído ou renomeado por outro programa. As perguntas continuam abertas aqui, e Salvar grava o arquivo de novo.</translation>
    </message>
    <message>
        <source>Changed on Disk</source>
        <translation>Alterado no disco</translation>
    </message>
    <message>
        <source>Another program changed “%1” since it was opened or saved here.</source>
        <translation>Outro programa alterou “%1” depois que ele foi aberto ou salvo aqui.</translation>
    </message>
    <message>
        <source>Reload it to see that version (Undo brings yours back), keep your version and save it over the other, or save yours as another file.</source>
        <translation>Recarregue-o para ver aquela versão (Desfazer traz a sua de volta), mantenha a sua versão e salve-a por cima da outra, ou salve a sua como outro arquivo.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recarregar</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Manter a minha</translation>
    </message>
    <message>
        <source>Your version, which Reload replaces, is not protected: %1. Undo brings it back while the editor runs.</source>
        <translation>Sua versão, que Recarregar substitui, não está protegida: %1. Desfazer a traz de volta enquanto o editor estiver aberto.</translation>
    </message>
    <message>
        <source>Reload %1 from disk</source>
        <translation>Recarregar %1 do disco</translation>
    </message>
    <message>
        <source>%1 Its questions stay open here as they were.</source>
        <translation>%1 As perguntas continuam abertas aqui como estavam.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>%1[*] — Korvane Question Editor</source>
        <translation>%1[*] — Editor de perguntas do Korvane</translation>
    </message>
    <message>
        <source>Game Running</source>
        <translation>Jogo em andamento</translation>
    </message>
    <message>
        <source>The game started from this editor is still running. Closing the editor ends the game too.</source>
        <translation>O jogo iniciado por este editor ainda está em andamento. Fechar o editor encerra o jogo também.</translation>
    </message>
    <message>
        <source>&amp;End Game and Close</source>
        <translation>&amp;Encerrar o jogo e fechar</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Visualizar impressão…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>I&amp;mprimir…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>Exportar &amp;PDF…</translation>
    </message>
    <message>
        <source>New Answer Or&amp;der</source>
        <translation>Nova or&amp;dem das respostas</translation>
    </message>
    <message>
        <source>Show the question sheet and its answer key as they will print</source>
        <translation>Mostrar a folha de perguntas e o gabarito como serão impressos</translation>
    </message>
    <message>
        <source>Save the question sheet and its answer key as a PDF file</source>
        <translation>Salvar a folha de perguntas e o gabarito como arquivo PDF</translation>
    </message>
    <message>
        <source>Shuffle the answers of the next print anew</source>
        <translation>Embaralhar de novo as respostas da próxima impressão</translation>
    </message>
    <message>
        <source>New from Starter &amp;Bank…</source>
        <translation>Novo a partir de &amp;banco pronto…</translation>
    </message>
    <message>
        <source>Start a new bank holding the questions of a bank that comes with the game</source>
        <translation>Iniciar um banco novo com as perguntas de um banco que vem com o jogo</translation>
    </message>
    <message>
        <source>&amp;Top Up from Bank…</source>
        <translation>Comple&amp;tar com outro banco…</translation>
    </message>
    <message>
        <source>Add questions from another bank, leaving out those this one already asks, up to 100</source>
        <translation>Adicionar perguntas de outro banco, deixando de fora as que este já faz, até 100</translation>
    </message>
    <message>
        <source>Play &amp;Without Saving</source>
        <translation>Jo&amp;gar sem salvar</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving its file as it is</source>
        <translation>Jogar o banco como está a partir de uma cópia temporária, deixando o arquivo como está</translation>
    </message>
    <message>
        <source>New from Starter Bank</source>
        <translation>Novo a partir de banco pronto</translation>
    </message>
    <message>
        <source>Top Up from Bank</source>
        <translation>Completar com outro banco</translation>
    </message>
    <message>
        <source>Other File…</source>
        <translation>Outro arquivo…</translation>
    </message>
    <message>
        <source>The banks that come with the game were not found. Install Korvane, then try again.</source>
        <translation>Os bancos que vêm com o jogo não foram encontrados. Instale o Korvane e tente de novo.</translation>
    </message>
    <message>
        <source>Take questions from:</source>
        <translation>Pegar perguntas de:</translation>
    </message>
    <message>
        <source>Start from:</source>
        <translation>Começar com:</translation>
    </message>
    <message>
        <source>Added 1 question from %1</source>
        <translation>1 pergunta adicionada de %1</translation>
    </message>
    <message>
        <source>Added %1 questions from %2</source>
        <translation>%1 perguntas adicionadas de %2</translation>
    </message>
    <message>
        <source>, leaving out 1 already in this bank</source>
        <translation>, deixando de fora 1 que já está neste banco</translation>
    </message>
    <message>
        <source>, leaving out %1 already in this bank</source>
        <translation>, deixando de fora %1 que já estão neste banco</translation>
    </message>
    <message>
        <source>%1 more did not fit in the %2 slots.</source>
        <translation>Mais %1 não couberam nas %2 posições.</translation>
    </message>
    <message>
        <source>Nothing was added: the bank already fills all %1 slots the game reads.</source>
        <translation>Nada foi adicionado: o banco já preenche todas as %1 posições que o jogo lê.</translation>
    </message>
    <message>
        <source>Nothing was added: every question in %1 is already in this bank, or it holds none.</source>
        <translation>Nada foi adicionado: todas as perguntas de %1 já estão neste banco, ou ele não tem nenhuma.</translation>
    </message>
    <message>
        <source>Empty Slots</source>
        <translation>Posições vazias</translation>
    </message>
    <message>
        <source>%1 of the %2 slots are empty.</source>
        <translation>%1 das %2 posições estão vazias.</translation>
    </message>
    <message>
        <source>The game draws an empty slot as often as any other, so players will now and then get a question with nothing in it. Play anyway, or top the bank up from another first?</source>
        <translation>O jogo sorteia uma posição vazia com a mesma frequência que qualquer outra, então de vez em quando os jogadores vão receber uma pergunta sem nada. Jogar mesmo assim, ou antes completar o banco com perguntas de outro?</translation>
    </message>
    <message>
        <source>&amp;Play Anyway</source>
        <translation>&amp;Jogar mesmo assim</translation>
    </message>
    <message>
        <source>&amp;Top Up…</source>
        <translation>&amp;Completar…</translation>
    </message>
    <message>
        <source>Cannot Save Here</source>
        <translation>Não é possível salvar aqui</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving the file as it is and your changes unsaved here, or save it as another file.</source>
        <translation>Jogar o banco como está a partir de uma cópia temporária, deixando o arquivo como está e suas alterações não salvas aqui, ou salvá-lo como outro arquivo.</translation>
    </message>
    <message>
        <source>The bank was not played</source>
        <translation>O banco não foi jogado</translation>
    </message>
    <message>
        <source>&amp;Next Problem</source>
        <translation>&amp;Próximo problema</translation>
    </message>
    <message>
        <source>&amp;Previous Problem</source>
        <translation>Problema &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Fix Selected Problem</source>
        <translation>&amp;Corrigir problema selecionado</translation>
    </message>
    <message>
        <source>Fix All of This &amp;Kind</source>
        <translation>Corrigir todos deste &amp;tipo</translation>
    </message>
    <message>
        <source>Fix &amp;All Problems</source>
        <translation>Corrigir t&amp;odos os problemas</translation>
    </message>
    <message>
        <source>&amp;Cut Field to Its Width</source>
        <translation>Cortar campo na &amp;largura</translation>
    </message>
    <message>
        <source>Cut the selected field to the width the game keeps, dropping the rest</source>
        <translation>Cortar o campo selecionado na largura que o jogo mantém, descartando o resto</translation>
    </message>
    <message>
        <source>Go to the next problem or warning in the bank</source>
        <translation>Ir para o próximo problema ou aviso no banco</translation>
    </message>
    <message>
        <source>Go to the previous problem or warning in the bank</source>
        <translation>Ir para o problema ou aviso anterior no banco</translation>
    </message>
    <message>
        <source>Fix every problem like the selected one, as one step to undo</source>
        <translation>Corrigir todos os problemas iguais ao selecionado, num só passo para desfazer</translation>
    </message>
    <message>
        <source>Fix every problem Fix can mend, line ends first, as one step to undo</source>
        <translation>Corrigir todos os problemas que Corrigir consegue consertar, fins de linha primeiro, num só passo para desfazer</translation>
    </message>
    <message>
        <source>No problem or warning on a line to go to.</source>
        <translation>Nenhum problema ou aviso em uma linha para onde ir.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Cl&amp;ear Cells</source>
        <translation>Lim&amp;par células</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Inserir linha</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Excluir linhas</translation>
    </message>
    <message>
        <source>Delete Rows Past &amp;100</source>
        <translation>Excluir linhas após &amp;100</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>&amp;Mover para cima</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Localizar…</translation>
    </message>
    <message>
        <source>Rep&amp;lace…</source>
        <translation>&amp;Substituir…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Localizar pró&amp;xima</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Localizar a&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Sort A to Z by This Column</source>
        <translation>Ordenar de &amp;A a Z por esta coluna</translation>
    </message>
    <message>
        <source>Sort &amp;Z to A by This Column</source>
        <translation>Ordenar de &amp;Z a A por esta coluna</translation>
    </message>
    <message>
        <source>S&amp;huffle Rows</source>
        <translation>Embaral&amp;har linhas</translation>
    </message>
    <message>
        <source>Sort the rows by the current column; rows holding nothing stay at the end</source>
        <translation>Ordenar as linhas pela coluna atual; as linhas sem nada ficam no fim</translation>
    </message>
    <message>
        <source>Keep only the first 100 rows, which the game reads</source>
        <translation>Manter só as primeiras 100 linhas, que o jogo lê</translation>
    </message>
    <message>
        <source>Put the rows in a random order; rows holding nothing stay at the end</source>
        <translation>Pôr as linhas em ordem aleatória; as linhas sem nada ficam no fim</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>A área de transferência não tem texto para colar.</translation>
    </message>
    <message>
        <source>Delete line %1, %2</source>
        <translation>Excluir a linha %1, %2</translation>
    </message>
    <message>
        <source>Delete %1 lines from %2 on</source>
        <translation>Excluir %1 linhas a partir da %2</translation>
    </message>
    <message>
        <source>Sort the rows by %1, A to Z</source>
        <translation>Ordenar as linhas por %1, de A a Z</translation>
    </message>
    <message>
        <source>Sort the rows by %1, Z to A</source>
        <translation>Ordenar as linhas por %1, de Z a A</translation>
    </message>
    <message>
        <source>Shuffle the rows</source>
        <translation>Embaralhar as linhas</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Recortar %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Limpar %1</translation>
    </message>
</context>
<context>
    <name>BankFileReader</name>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>um pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>Não foi possível abrir “%1”: %2.</translation>
    </message>
    <message>
        <source>it is a link to a file that no longer exists</source>
        <translation>é um link para um arquivo que não existe mais</translation>
    </message>
    <message>
        <source>it is %1, not %2</source>
        <translation>é %1, não %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>mudou enquanto era aberto</translation>
    </message>
    <message>
        <source>it grew past %1 while it was being read</source>
        <translation>cresceu além de %1 enquanto era lido</translation>
    </message>
    <message>
        <source>a question bank file</source>
        <translation>um arquivo de banco de perguntas</translation>
    </message>
    <message>
        <source>it holds %1, far more than a question bank of %2 lines</source>
        <translation>tem %1, muito mais que um banco de perguntas de %2 linhas</translation>
    </message>
    <message>
        <source>the bank would hold %1, more than the %2 the editor can open again</source>
        <translation>o banco teria %1, mais que os %2 que o editor consegue abrir de novo</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>um arquivo CSV</translation>
    </message>
    <message>
        <source>it holds %1, more than a CSV file of %2 rows</source>
        <translation>tem %1, mais que um arquivo CSV de %2 linhas</translation>
    </message>
    <message>
        <source>a recovery file</source>
        <translation>um arquivo de recuperação</translation>
    </message>
    <message>
        <source>it holds %1, more than the unsaved changes to the largest bank the editor opens (%2 bytes) can</source>
        <translation>tem %1, mais do que as alterações não salvas do maior banco que o editor abre (%2 bytes) podem ocupar</translation>
    </message>
</context>
<context>
    <name>BankFileWriter</name>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>%1; the bank is kept as %2</source>
        <translation>%1; o banco foi guardado como %2</translation>
    </message>
</context>
<context>
    <name>BankTableModel</name>
    <message>
        <source>, removing %1 and %2 more</source>
        <translation>, removendo %1 e mais %2</translation>
    </message>
    <message>
        <source>, removing %1</source>
        <translation>, removendo %1</translation>
    </message>
    <message>
        <source>Fix all: %1 and %2</source>
        <translation>Corrigir tudo: %1 e %2</translation>
    </message>
    <message>
        <source>The game&apos;s character set (Windows-1252) has no “%1”: replace it before saving.</source>
        <translation>O conjunto de caracteres do jogo (Windows-1252) não tem “%1”: substitua-o antes de salvar.</translation>
    </message>
    <message>
        <source>The game reads only the first %1 lines: this one is never asked.</source>
        <translation>O jogo lê só as primeiras %1 linhas: esta nunca é perguntada.</translation>
    </message>
    <message>
        <source>Not read: the game holds %1 questions.</source>
        <translation>Não lida: o jogo comporta %1 perguntas.</translation>
    </message>
    <message>
        <source>The line is %1 characters: the game reads the first %2.</source>
        <translation>A linha tem %1 caracteres: o jogo lê os primeiros %2.</translation>
    </message>
    <message>
        <source>The game shows the first %1 characters.</source>
        <translation>O jogo mostra os primeiros %1 caracteres.</translation>
    </message>
    <message>
        <source>Edit %1 on line %2</source>
        <translation>Editar %1 na linha %2</translation>
    </message>
    <message>
        <source>Replace %1 with %2 on line %3</source>
        <translation>Substituir %1 por %2 na linha %3</translation>
    </message>
    <message>
        <source>Replace %1 with %2 in %3 cells</source>
        <translation>Substituir %1 por %2 em %3 células</translation>
    </message>
    <message>
        <source>Top up with 1 question from %1</source>
        <translation>Completar com 1 pergunta de %1</translation>
    </message>
    <message>
        <source>Top up with %1 questions from %2</source>
        <translation>Completar com %1 perguntas de %2</translation>
    </message>
</context>
<context>
    <name>CellClipboard</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>Paste over %1</source>
        <translation>Colar sobre %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
</context>
<context>
    <name>CharacterReplacements</name>
    <message>
        <source>Spell out the Greek letters %1</source>
        <translation>Escrever por extenso as letras gregas %1</translation>
    </message>
    <message>
        <source>Replace %1 with the quotes, dashes and spaces the game has</source>
        <translation>Substituir %1 pelas aspas, travessões e espaços que o jogo tem</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The quote opened on line %1 is never closed, so every row after it would run into one field. Close it, then import again.</source>
        <translation>As aspas abertas na linha %1 nunca são fechadas, então todas as linhas seguintes virariam um só campo. Feche-as e importe de novo.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows, more than can be imported at once. Split it, then import each part.</source>
        <translation>O arquivo tem mais de %1 linhas, mais do que é possível importar de uma vez. Divida-o e importe cada parte.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>Importar “%1”</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Vírgula</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Ponto e vírgula</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulação</translation>
    </message>
    <message>
        <source>Vertical bar |</source>
        <translation>Barra vertical |</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>UTF-16, little-endian</source>
        <translation>UTF-16, little-endian</translation>
    </message>
    <message>
        <source>UTF-16, big-endian</source>
        <translation>UTF-16, big-endian</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europa Ocidental)</translation>
    </message>
    <message>
        <source>The first row names the &amp;columns</source>
        <translation>A primeira linha dá nome às &amp;colunas</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>C&amp;odificação:</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Pegar:</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas as linhas</translation>
    </message>
    <message>
        <source>Rows at random</source>
        <translation>Linhas aleatórias</translation>
    </message>
    <message>
        <source>A range of rows</source>
        <translation>Um intervalo de linhas</translation>
    </message>
    <message>
        <source>How many rows</source>
        <translation>Quantas linhas</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Primeira linha</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Última linha</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Type the character that separates the fields.</source>
        <translation>Digite o caractere que separa os campos.</translation>
    </message>
    <message>
        <source>The file holds 1 row.</source>
        <translation>O arquivo tem 1 linha.</translation>
    </message>
    <message>
        <source>The file holds %1 rows; the first %2 are shown.</source>
        <translation>O arquivo tem %1 linhas; as primeiras %2 são mostradas.</translation>
    </message>
    <message>
        <source>The file holds %1 rows.</source>
        <translation>O arquivo tem %1 linhas.</translation>
    </message>
    <message>
        <source>Row %1 has text past the fourth field, which does not come in: %2.</source>
        <translation>A linha %1 tem texto após o quarto campo, que não é importado: %2.</translation>
    </message>
</context>
<context>
    <name>EditorGuide</name>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;The basics&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Adding questions.&lt;/b&gt; Type in a cell to fill it; Enter keeps what you typed. Down on the last row, or Tab or Enter in its last cell, starts a new row, as in a spreadsheet. Insert Row (Ctrl+Return) puts a blank row below the current one, to insert a question between others.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importing a spreadsheet.&lt;/b&gt; Save it as CSV, then choose File, Import CSV (Ctrl+Shift+I). The preview shows the rows as the bank will hold them and how many the file has; change the separator, encoding or header row if it guessed wrong. From a large file, Take picks a number of rows at random or a range of them. The rows come in below the current row, as one step to undo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Printing a worksheet.&lt;/b&gt; File, Print (Ctrl+P) prints the questions with their answers shuffled, and an answer key; Print Preview shows it first, and Export PDF saves it as a file. New Answer Order shuffles the answers anew for the next print.&lt;/p&gt;&lt;p&gt;&lt;b&gt;After a crash.&lt;/b&gt; The editor keeps unsaved changes aside as you work. When it stopped without saving them, it offers them at the next start: Recover opens them, Discard deletes them, and Not Now keeps them for later.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;O básico&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Adicionar perguntas.&lt;/b&gt; Digite numa célula para preenchê-la; Enter mantém o que você digitou. Seta para baixo na última linha, ou Tab ou Enter na última célula dela, começa uma linha nova, como numa planilha. Inserir linha (Ctrl+Return) põe uma linha em branco abaixo da atual, para inserir uma pergunta entre outras.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importar uma planilha.&lt;/b&gt; Salve-a como CSV e escolha Arquivo, Importar CSV (Ctrl+Shift+I). A prévia mostra as linhas como o banco vai guardá-las e quantas o arquivo tem; mude o separador, a codificação ou a linha de cabeçalho se o palpite estiver errado. De um arquivo grande, Pegar escolhe um número de linhas ao acaso ou um intervalo delas. As linhas entram abaixo da linha atual, num só passo para desfazer.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Imprimir uma folha de exercícios.&lt;/b&gt; Arquivo, Imprimir (Ctrl+P) imprime as perguntas com as respostas embaralhadas, e um gabarito; Visualizar impressão mostra antes, e Exportar PDF salva como arquivo. Nova ordem das respostas embaralha as respostas de novo para a próxima impressão.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Depois de uma falha.&lt;/b&gt; O editor guarda à parte as alterações não salvas enquanto você trabalha. Se ele parou sem salvá-las, ele as oferece na próxima vez que abrir: Recuperar as abre, Descartar as exclui e “Agora não” as guarda para depois.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Writing a bank&lt;/h2&gt;&lt;p&gt;Each row is one question: the question itself (the game shows up to 73 characters), the right answer and two wrong ones (up to 26 characters each). The counter in each cell shows how much of the width is used. The game asks the first 100 rows; rows past the 100th are greyed out and never asked. It shows the three answers in a random order, so the right one may stand anywhere.&lt;/p&gt;&lt;p&gt;A straight double quote cannot go in a field: the game uses it to end fields. Typed, pasted or replaced, it becomes an opening or closing typographic quote, and line breaks become spaces; Find still finds typographic quotes from a straight one. The game uses the Windows-1252 characters: one it lacks is marked red, and the bank is not saved until it is replaced. Fix offers a replacement where there is one.&lt;/p&gt;&lt;p&gt;Ctrl+F finds text in the fields and Ctrl+H replaces it; F3 and Shift+F3 find the next and previous cell. The Edit menu sorts the rows by the current column and shuffles them; rows holding nothing stay at the end. Every change can be undone.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Escrever um banco&lt;/h2&gt;&lt;p&gt;Cada linha é uma pergunta: a pergunta em si (o jogo mostra até 73 caracteres), a resposta certa e duas erradas (até 26 caracteres cada). O contador em cada célula mostra quanto da largura está ocupado. O jogo pergunta as primeiras 100 linhas; as linhas após a 100ª ficam acinzentadas e nunca são perguntadas. Ele mostra as três respostas em ordem aleatória, então a certa pode estar em qualquer lugar.&lt;/p&gt;&lt;p&gt;Aspas duplas retas não podem entrar num campo: o jogo as usa para terminar campos. Digitadas, coladas ou substituídas, elas viram aspas tipográficas de abertura ou de fechamento, e as quebras de linha viram espaços; Localizar ainda encontra aspas tipográficas quando se busca uma reta. O jogo usa os caracteres do Windows-1252: um que falte nele fica marcado em vermelho, e o banco só é salvo depois que ele for substituído. Corrigir oferece um substituto quando existe um.&lt;/p&gt;&lt;p&gt;Ctrl+F localiza texto nos campos e Ctrl+H o substitui; F3 e Shift+F3 localizam a célula seguinte e a anterior. O menu Editar ordena as linhas pela coluna atual e as embaralha; as linhas sem nada ficam no fim. Toda alteração pode ser desfeita.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Problems and warnings&lt;/h2&gt;&lt;p&gt;The panel below the table lists what will not play as written, and warnings about questions that play but may not work once the answers are shuffled. Choose one, or press F8 and Shift+F8, to go to its field. Fix mends the chosen one; Fix All mends every one it can, line ends first, as one step to undo. Fix All never shortens what you wrote: Fix on a field too long selects what the game drops, for you to reword, and Cut Field to Its Width cuts it; Fix on a line over 140 characters opens its longest field to reword. Each row&apos;s header shows its line&apos;s length against 140. Check rows past 100 lists the findings on the rows the game never reads too; Edit, Delete Rows Past 100 keeps the first 100.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Problemas e avisos&lt;/h2&gt;&lt;p&gt;O painel abaixo da tabela lista o que não vai ser jogado como foi escrito, e avisos sobre perguntas que são jogadas mas podem não funcionar depois que as respostas forem embaralhadas. Escolha um, ou tecle F8 e Shift+F8, para ir ao campo dele. Corrigir conserta o escolhido; Corrigir tudo conserta todos os que consegue, fins de linha primeiro, num só passo para desfazer. Corrigir tudo nunca encurta o que você escreveu: Corrigir num campo longo demais seleciona o que o jogo descarta, para você reescrever, e Cortar campo na largura o corta; Corrigir numa linha com mais de 140 caracteres abre o campo mais longo dela para reescrever. O cabeçalho de cada linha mostra o comprimento dela em relação a 140. Verificar linhas após 100 lista também o que foi encontrado nas linhas que o jogo nunca lê; Editar, Excluir linhas após 100 mantém as primeiras 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Playing the bank&lt;/h2&gt;&lt;p&gt;F5 (File, Play This Bank) saves the bank, then starts the game with it. A bank named &lt;i&gt;quarl3.tqz&lt;/i&gt; is played in its own folder; any other is copied under that name into a temporary folder of its own, removed when the game ends. With fewer than 100 questions it asks first, as the game would draw the empty slots too.&lt;/p&gt;&lt;p&gt;To reach 100, File, Top Up from Bank adds questions from another bank, leaving out those this bank already asks; New from Starter Bank opens a copy of a bank that comes with the game. Play Without Saving (Shift+F5) tries the table as it stands from a temporary copy, for a bank that cannot be saved where it is.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Jogar o banco&lt;/h2&gt;&lt;p&gt;F5 (Arquivo, Jogar este banco) salva o banco e depois inicia o jogo com ele. Um banco chamado &lt;i&gt;quarl3.tqz&lt;/i&gt; é jogado na própria pasta; qualquer outro é copiado com esse nome para uma pasta temporária só dele, removida quando o jogo termina. Com menos de 100 perguntas, o editor pergunta antes, já que o jogo sortearia também as posições vazias.&lt;/p&gt;&lt;p&gt;Para chegar a 100, Arquivo, Completar com outro banco adiciona perguntas de outro banco, deixando de fora as que este banco já faz; Novo a partir de banco pronto abre uma cópia de um banco que vem com o jogo. Jogar sem salvar (Shift+F5) experimenta a tabela como está a partir de uma cópia temporária, para um banco que não pode ser salvo onde está.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;The manual tells the whole story: type &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in a terminal, or open &lt;a href=&quot;man:korvedit(6)&quot;&gt;the korvedit manual page&lt;/a&gt; where the desktop can show it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Mais&lt;/h2&gt;&lt;p&gt;O manual conta tudo: digite &lt;tt&gt;man 6 korvedit&lt;/tt&gt; num terminal, ou abra &lt;a href=&quot;man:korvedit(6)&quot;&gt;a página de manual do korvedit&lt;/a&gt; onde a área de trabalho puder mostrá-la.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;This guide is the editor&apos;s manual here: start with &lt;a href=&quot;#basics&quot;&gt;the basics&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Mais&lt;/h2&gt;&lt;p&gt;Este guia é o manual do editor aqui: comece pelo &lt;a href=&quot;#basics&quot;&gt;básico&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Question Editor Guide</source>
        <translation>Guia do editor de perguntas</translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>Line breaks and Ctrl-Z cannot go in a field: the game reads them as the end of the line or of the bank.</source>
        <translation>Quebras de linha e Ctrl-Z não podem entrar num campo: o jogo os lê como o fim da linha ou do banco.</translation>
    </message>
    <message>
        <source>Pasted double quotes became typographic ones, and line breaks spaces: the game reads a straight double quote as the end of the field.</source>
        <translation>As aspas duplas coladas viraram tipográficas, e as quebras de linha, espaços: o jogo lê aspas duplas retas como o fim do campo.</translation>
    </message>
    <message>
        <source>“%1” is not in the game&apos;s character set (Windows-1252): the bank cannot be saved until it is replaced.</source>
        <translation>“%1” não está no conjunto de caracteres do jogo (Windows-1252): o banco só pode ser salvo depois que ele for substituído.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>its access list cannot be read (%1)</source>
        <translation>a lista de acesso dele não pode ser lida (%1)</translation>
    </message>
    <message>
        <source>its access list cannot be given to the new file (%1)</source>
        <translation>a lista de acesso dele não pode ser passada para o novo arquivo (%1)</translation>
    </message>
    <message>
        <source>its attribute %1 cannot be given to the new file (%2)</source>
        <translation>o atributo %1 dele não pode ser passado para o novo arquivo (%2)</translation>
    </message>
    <message>
        <source>its attributes cannot be read (%1)</source>
        <translation>os atributos dele não podem ser lidos (%1)</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Substituir p&amp;or:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Diferenciar &amp;maiúsculas</translation>
    </message>
    <message>
        <source>Nex&amp;t</source>
        <translation>Pró&amp;xima</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>Replace A&amp;ll</source>
        <translation>Substituir tu&amp;do</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the find strip (Esc)</source>
        <translation>Fechar a barra de busca (Esc)</translation>
    </message>
    <message>
        <source>%1 is not in the bank.</source>
        <translation>%1 não está no banco.</translation>
    </message>
    <message>
        <source>Replaced in 1 cell.</source>
        <translation>Substituído em 1 célula.</translation>
    </message>
    <message>
        <source>Replaced in %1 cells.</source>
        <translation>Substituído em %1 células.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>The game is already running. Close it to play the bank again.</source>
        <translation>O jogo já está em andamento. Feche-o para jogar o banco de novo.</translation>
    </message>
    <message>
        <source>The game (%1) was found neither beside the editor nor on the PATH. Install Korvane, then try again.</source>
        <translation>O jogo (%1) não foi encontrado nem ao lado do editor nem no PATH. Instale o Korvane e tente de novo.</translation>
    </message>
    <message>
        <source>The bank could not be copied for the game into a temporary folder.</source>
        <translation>Não foi possível copiar o banco para o jogo numa pasta temporária.</translation>
    </message>
    <message>
        <source>The game stopped unexpectedly.</source>
        <translation>O jogo parou inesperadamente.</translation>
    </message>
    <message>
        <source>The game could not be started: %1</source>
        <translation>Não foi possível iniciar o jogo: %1</translation>
    </message>
</context>
<context>
    <name>LineCountSummary</name>
    <message>
        <source>1 line</source>
        <translation>1 linha</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 linhas</translation>
    </message>
    <message>
        <source>%1 of %2: the game still draws from all %2 slots, so %3 of its questions come up blank, with empty answers</source>
        <translation>%1 de %2: o jogo ainda sorteia entre as %2 posições, então %3 perguntas saem em branco, com respostas vazias</translation>
    </message>
    <message>
        <source>%1: the game reads them all</source>
        <translation>%1: o jogo lê todas</translation>
    </message>
    <message>
        <source>%1: the game reads the first %2 and never shows the other %3</source>
        <translation>%1: o jogo lê as primeiras %2 e nunca mostra as outras %3</translation>
    </message>
</context>
<context>
    <name>ProblemPanel</name>
    <message>
        <source>Bank: %1</source>
        <translation>Banco: %1</translation>
    </message>
    <message>
        <source>Line %1, warning: %2</source>
        <translation>Linha %1, aviso: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Pro&amp;blemas</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>What the game would leave out, cut or show differently. Press Enter to go to the field.</source>
        <translation>O que o jogo omitiria, cortaria ou mostraria de outro jeito. Tecle Enter para ir ao campo.</translation>
    </message>
    <message>
        <source>Fi&amp;x</source>
        <translation>&amp;Corrigir</translation>
    </message>
    <message>
        <source>Fix the selected problem</source>
        <translation>Corrigir o problema selecionado</translation>
    </message>
    <message>
        <source>Fix the selected problem the way the game expects</source>
        <translation>Corrigir o problema selecionado do jeito que o jogo espera</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>Corrigir &amp;tudo</translation>
    </message>
    <message>
        <source>Fix every problem that can be fixed</source>
        <translation>Corrigir todos os problemas que podem ser corrigidos</translation>
    </message>
    <message>
        <source>Fix every problem of every kind that Fix can mend, as one step to undo</source>
        <translation>Corrigir todos os problemas de todos os tipos que Corrigir consegue consertar, num só passo para desfazer</translation>
    </message>
    <message>
        <source>Check rows past &amp;100</source>
        <translation>Verificar linhas após &amp;100</translation>
    </message>
    <message>
        <source>Also check the rows past 100, which the game never reads, before deleting rows brings them up: their problems, questions asked twice and answers alike</source>
        <translation>Verificar também as linhas após a 100, que o jogo nunca lê, antes que, ao excluir linhas, elas subam: seus problemas, perguntas feitas duas vezes e respostas iguais</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Corrigir</translation>
    </message>
    <message>
        <source>Fix can put this right in one step.</source>
        <translation>Corrigir pode acertar isto num só passo.</translation>
    </message>
    <message>
        <source>The game plays this line, but the question may not work once the answers are shuffled.</source>
        <translation>O jogo joga esta linha, mas a pergunta pode não funcionar depois que as respostas forem embaralhadas.</translation>
    </message>
    <message>
        <source>1 finding on rows past %1</source>
        <translation>1 ocorrência em linhas após a %1</translation>
    </message>
    <message>
        <source>%1 findings on rows past %2</source>
        <translation>%1 ocorrências em linhas após a %2</translation>
    </message>
</context>
<context>
    <name>QuestionPreview</name>
    <message>
        <source>Preview of the question window</source>
        <translation>Prévia da janela de pergunta</translation>
    </message>
    <message>
        <source>A) is the right answer here; the game shuffles the three answers.</source>
        <translation>A) é a resposta certa aqui; o jogo embaralha as três respostas.</translation>
    </message>
    <message>
        <source>The game does not read this line: it holds %1 questions, from the first %1 lines.</source>
        <translation>O jogo não lê esta linha: ele comporta %1 perguntas, das primeiras %1 linhas.</translation>
    </message>
    <message>
        <source>Select a question to see it as the game shows it.</source>
        <translation>Selecione uma pergunta para vê-la como o jogo a mostra.</translation>
    </message>
</context>
<context>
    <name>QuizPrintCommands</name>
    <message>
        <source>The answers will be printed in a new order.</source>
        <translation>As respostas serão impressas numa nova ordem.</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor de perguntas do Korvane</translation>
    </message>
    <message>
        <source>Sheets of order %1 were already printed. Their key will not match a sheet of another order. Change the order?</source>
        <translation>Folhas da ordem %1 já foram impressas. O gabarito delas não vai combinar com uma folha de outra ordem. Mudar a ordem?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>There is nothing to print: no line has a question.</source>
        <translation>Não há nada para imprimir: nenhuma linha tem pergunta.</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Visualizar</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>The quiz was not printed: the printer could not start.</source>
        <translation>O quiz não foi impresso: não foi possível iniciar a impressora.</translation>
    </message>
    <message>
        <source>Print Preview — %1</source>
        <translation>Visualizar impressão — %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;All files (*)</source>
        <translation>Documentos PDF (*.pdf);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportado</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2. Choose another folder or name, then export again.</source>
        <translation>Não foi possível gravar “%1”: %2. Escolha outra pasta ou outro nome e exporte de novo.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>não foi possível desenhar as páginas</translation>
    </message>
</context>
<context>
    <name>QuizPrinter</name>
    <message>
        <source>Write the letter of the right answer in the box beside each question.</source>
        <translation>Escreva a letra da resposta certa no quadradinho ao lado de cada pergunta.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1 — página %2 de %3 — Ordem %4 (controle %5)</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Gabarito: %1</translation>
    </message>
    <message>
        <source>%1, answer key — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1, gabarito — página %2 de %3 — Ordem %4 (controle %5)</translation>
    </message>
</context>
<context>
    <name>QuizSheetDialog</name>
    <message>
        <source>&amp;All questions (%1)</source>
        <translation>To&amp;das as perguntas (%1)</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Perguntas</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Sortear</translation>
    </message>
    <message>
        <source>&amp;Compact: more questions on a page</source>
        <translation>&amp;Compacto: mais perguntas por página</translation>
    </message>
    <message>
        <source>Quiz Sheet</source>
        <translation>Folha de perguntas</translation>
    </message>
    <message>
        <source>&amp;Paper…</source>
        <translation>P&amp;apel…</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Perguntas:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>at random</source>
        <translation>ao acaso</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Layout:</translation>
    </message>
    <message>
        <source>Printed on every page of the sheet and its key. Type an earlier order&apos;s number to print its sheet again.</source>
        <translation>Impresso em todas as páginas da folha e do gabarito. Digite o número de uma ordem anterior para imprimir a folha dela de novo.</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Ordem:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>%1 for the sheet, %2 for the key, on %3 paper</source>
        <translation>%1 para a folha, %2 para o gabarito, em papel %3</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>&amp;Limpar arquivos recentes</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>não é JSON (%1 no byte %2)</translation>
    </message>
    <message>
        <source>not a recovery file of the question editor</source>
        <translation>não é um arquivo de recuperação do editor de perguntas</translation>
    </message>
    <message>
        <source>written by another version of the question editor</source>
        <translation>gravado por outra versão do editor de perguntas</translation>
    </message>
    <message>
        <source>the bank&apos;s name is damaged</source>
        <translation>o nome do banco está danificado</translation>
    </message>
    <message>
        <source>the time it was written is damaged</source>
        <translation>a hora em que foi gravado está danificada</translation>
    </message>
    <message>
        <source>it holds no line</source>
        <translation>não tem nenhuma linha</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>a linha %1 está danificada</translation>
    </message>
    <message>
        <source>the text after the end of the data is damaged</source>
        <translation>o texto após o fim dos dados está danificado</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>a pasta %1 não pode ser criada</translation>
    </message>
    <message>
        <source>%1 is locked by another editor</source>
        <translation>%1 está bloqueado por outro editor</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made (%2)</source>
        <translation>a trava %1 dele não pode ser criada (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>it could not be kept for recovery in %1 (%2), nor in %3 (%4)</source>
        <translation>não foi possível guardá-la para recuperação em %1 (%2), nem em %3 (%4)</translation>
    </message>
    <message>
        <source>they could not be kept for recovery in %1 (%2)</source>
        <translation>não foi possível guardá-las para recuperação em %1 (%2)</translation>
    </message>
    <message>
        <source>, nor in %1 (%2)</source>
        <translation>, nem em %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryOffers</name>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Recuperar alterações não salvas</translation>
    </message>
    <message>
        <source>an untitled bank</source>
        <translation>um banco sem título</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy &apos;às&apos; HH:mm</translation>
    </message>
    <message>
        <source>“%1” is open in another question editor, with unsaved changes.</source>
        <translation>“%1” está aberto em outro editor de perguntas, com alterações não salvas.</translation>
    </message>
    <message>
        <source>Bank Open Elsewhere</source>
        <translation>Banco aberto em outro lugar</translation>
    </message>
    <message>
        <source>Whichever editor saves it last replaces what the other saved. Save or close it there first, then open it here again.</source>
        <translation>O editor que salvar por último substitui o que o outro salvou. Salve-o ou feche-o lá primeiro e depois abra-o aqui de novo.</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be read: %2.</source>
        <translation>O arquivo de recuperação %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 were kept on %2, when the editor stopped without saving them.</source>
        <translation>Alterações não salvas em %1 foram guardadas em %2, quando o editor fechou sem salvá-las.</translation>
    </message>
    <message>
        <source>Recover opens them as a new bank</source>
        <translation>Recuperar as abre como um banco novo</translation>
    </message>
    <message>
        <source>Recover opens them as unsaved changes to %1</source>
        <translation>Recuperar as abre como alterações não salvas em %1</translation>
    </message>
    <message>
        <source>; save them to keep them. Discard deletes them. Not Now keeps them for later.</source>
        <translation>; salve-as para mantê-las. Descartar as exclui. “Agora não” as guarda para depois.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>&amp;Agora não</translation>
    </message>
    <message>
        <source>Move Aside renames it %1, which the editor does not read at start. Not Now leaves it where it is.</source>
        <translation>Pôr de lado o renomeia para %1, que o editor não lê ao abrir. “Agora não” o deixa onde está.</translation>
    </message>
    <message>
        <source>Not Now leaves it where it is.</source>
        <translation>“Agora não” o deixa onde está.</translation>
    </message>
    <message>
        <source>&amp;Move Aside</source>
        <translation>&amp;Pôr de lado</translation>
    </message>
    <message>
        <source>Delete the unsaved changes to %1 kept on %2?</source>
        <translation>Excluir as alterações não salvas em %1 guardadas em %2?</translation>
    </message>
    <message>
        <source>Delete the recovery file %1?</source>
        <translation>Excluir o arquivo de recuperação %1?</translation>
    </message>
    <message>
        <source>They cannot be recovered afterwards.</source>
        <translation>Elas não poderão ser recuperadas depois.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor de perguntas do Korvane</translation>
    </message>
    <message>
        <source>Write, check and play question banks for Korvane.</source>
        <translation>Escrever, verificar e jogar bancos de perguntas para o Korvane.</translation>
    </message>
    <message>
        <source>Speak this language (de: German) rather than the system&apos;s.</source>
        <translation>Usar este idioma (de: alemão) em vez do idioma do sistema.</translation>
    </message>
    <message>
        <source>The question bank (.tqz) to open.</source>
        <translation>O banco de perguntas (.tqz) a abrir.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>banco</translation>
    </message>
    <message>
        <source>[bank]</source>
        <translation>[banco]</translation>
    </message>
</context>
</TS>
