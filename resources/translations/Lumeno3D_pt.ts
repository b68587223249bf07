<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>Decimando 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>Decimando 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>Decimando 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>Decimando 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>Decimando 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>Decimando 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>Decimando 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>Decimando 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>Decimando 10%...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>Desvio, % da diagonal</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>Desvio aqui: %1 % da diagonal</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Mais detalhes</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>Sobre o Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>Nova versão baixada!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>&amp;Instalar nova versão!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>O Lumeno3D %1 está disponível.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>&amp;Abrir a página de download</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>O Lumeno3D será fechado para instalar uma nova versão.
Deseja fechar o Lumeno3D e atualizá-lo?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>Opções gráficas</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>Cor do modelo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restaurar padrão</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Verificar atualizações ao iniciar</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>Método de redução</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>Você alterou o idioma da interface do Lumeno3D.

A alteração só terá efeito depois que o Lumeno3D for reiniciado.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>Perguntar antes de gravar um ficheiro que não pode conter tudo o que o modelo tem</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>Eixo para cima na primeira vista de um modelo</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>Automático: Z para 3MF e peças de impressora, senão Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y para cima</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z para cima</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Estes tamanhos não podem ser aplicados: cada tamanho deve ser maior que 0, e o modelo redimensionado deve ficar dentro das coordenadas que um arquivo de modelo pode conter.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>Proporções mantidas: um novo tamanho em um eixo redimensiona os três eixos igualmente. Clique para definir o tamanho de cada eixo separadamente.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>O tamanho de cada eixo é definido separadamente. Clique para manter as proporções.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>Esta rotação não pode ser aplicada: o modelo girado não ficaria dentro das coordenadas que um arquivo de modelo pode conter. Escolha outros ângulos ou tamanhos menores.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>Tamanho (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>O fator de escala ao longo de %1: o tamanho definido dividido pelo tamanho próprio do modelo</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>Baixando a nova versão!</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>Com %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n parte</numerusform>
            <numerusform>%n partes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n parte: %1</numerusform>
            <numerusform>%n partes: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n material</numerusform>
            <numerusform>%n materiais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n material: %1</numerusform>
            <numerusform>%n materiais: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>Desenhado simplificado para %1 triângulos para caber na memória</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Lumeno3D Help</source>
        <translation>Ajuda do Lumeno3D</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>O Lumeno3D deixa malhas de triângulos mais leves: reduz o número de triângulos de um modelo mantendo sua forma e salva o resultado.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>Abrir um modelo</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>Assim que um modelo é carregado, o Lumeno3D calcula nove níveis que mantêm de 90 a 10 por cento dos seus triângulos; o botão de cada nível mostra o tamanho do seu arquivo. Você também pode reduzir o modelo a uma porcentagem escolhida por você, ou até onde um desvio máximo em relação à sua forma permitir.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>Suavizar e transformar</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>Suavizar uniformiza a superfície do modelo da direita. Transformar redimensiona e gira o modelo; as duas vistas mostram a alteração antes que você a aceite.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>Gire o modelo com o botão esquerdo do mouse, mova-o com o botão do meio e aplique zoom com a roda; a vista da direita acompanha a da esquerda. Os botões na parte inferior alternam entre superfície, pontos e aramado, ajustam o modelo às vistas e o mostram de frente, de lado, de cima ou em perspectiva.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>Escolha o idioma da interface, a cor do modelo e as cores do fundo. Um novo idioma passa a valer na próxima inicialização.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>A versão mais recente desta página está na web:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>Também pode largar um ficheiro de modelo sobre a janela.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>Desfazer e Refazer, no menu Editar, anulam e repetem as transformações e as suavizações. Quando Novo, Abrir ou fechar descartaria alterações que não guardou, o Lumeno3D pergunta primeiro.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>Verificar atualizações ao iniciar: sempre que inicia, o Lumeno3D pergunta ao seu sítio web se há uma versão mais recente e avisa quando houver.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>Método de redução: Qualidade cria todos os níveis numa só passagem e fica várias vezes mais próximo da forma; Clássico é o método das versões anteriores.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>Salvar como, no menu Arquivo, grava o modelo mostrado à direita como STL, PLY, OBJ, GLB, glTF, 3MF ou OFF. PLY, GLB e glTF mantêm as cores dos vértices, as normais e as coordenadas de textura; um arquivo glTF contém os próprios dados, sem nenhum arquivo .bin ao lado. Captura salva as duas vistas como imagens PNG.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>Escolha Abrir no menu Arquivo e selecione um arquivo STL, OBJ, PLY, OFF, glTF (.gltf ou .glb) ou 3MF. As partes de um arquivo glTF, 3MF ou OBJ continuam sendo partes, cada uma onde o arquivo a coloca, com seus materiais e texturas. A vista da esquerda mostra o modelo como foi carregado; a da direita, o modelo reduzido. O menu Arquivo também lista os últimos arquivos que você abriu.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>Mostrar o desvio, no menu Exibir, colore o modelo reduzido pela distância de cada ponto ao modelo carregado, do azul (nenhuma) ao vermelho-escuro (a maior); a legenda dá a escala, e o ponteiro do mouse o valor sob ele.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>Salvar os níveis em um só arquivo grava o modelo e seus nove níveis em um só arquivo GLB como níveis de detalhe, lido por motores de jogos e web.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra de ferramentas principal</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>Decimação por porcentagem</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>Decimação por erro</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>Barra de ferramentas inferior</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>Criar uma captura</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suavizar</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Modo de exibição</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>Vista frontal</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Vista lateral</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Vista superior</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>Vista em perspectiva</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Sair do Lumeno3D</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>O arquivo </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> não existe.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>Erro ao abrir </translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Salvar modelo</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>Arquivo PNG (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Salvar captura</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Não foi possível codificar a imagem.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>Não foi possível salvar a captura em %1.
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferências</translation>
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
        <source>&amp;Content</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>Porcentagem personalizada...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>Manter a porcentagem dos triângulos que você digitar</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>Limite de erro personalizado...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>Remover triângulos enquanto um limite de erro que você digitar, como fração da diagonal da caixa delimitadora, permitir</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>Limite de erro do filtro, como fração da diagonal da caixa delimitadora:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>Porcentagem dos triângulos a manter, de %1 a %2:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>Não é possível manter %1% dos triângulos: digite uma porcentagem de %2 a %3. O modelo mostrado permanece como está.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavização</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>Ele foi removido dos arquivos recentes.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>Se ele foi movido ou renomeado, abra-o no novo local.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>Nenhum modelo está carregado no Lumeno3D.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>Abra um modelo primeiro.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>Escolha outro nome ou pasta e salve novamente.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>desvio máx. %1 %, médio %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Deseja salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>A transformação ou suavização do modelo será perdida se você não salvá-la.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>Só se abre um modelo de cada vez: apenas %1 foi aberto.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>Todos os modelos (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;Arquivo STL (*.stl);; Arquivo PLY (*.ply);; Arquivo OBJ (*.obj);; Arquivo OFF (*.off);; Arquivo glTF (*.gltf *.glb);; Arquivo 3MF (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>Verifique se é um arquivo STL, OBJ, PLY, OFF, glTF, GLB ou 3MF completo ou exporte-o novamente.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>Arquivo STL (*.stl);; Arquivo PLY (*.ply);; Arquivo OBJ (*.obj);; Arquivo GLB (*.glb);; Arquivo glTF (*.gltf);; Arquivo 3MF (*.3mf);; Arquivo OFF (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>Limite de erro %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>Remover triângulos enquanto o limite de erro do filtro, %1 da diagonal da caixa delimitadora, permitir</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 não pode conter tudo o que este modelo tem. Não é gravado:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Gravar mesmo assim</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Não perguntar de novo</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>A pergunta pode ser ativada de novo nas Preferências.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>O nível de %1% não foi feito: clique para fazer os níveis em falta.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>Abra um modelo com %1 &gt; %2 (%3)</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>ou largue aqui um ficheiro de modelo</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF ou 3MF).</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>Os últimos ficheiros abertos estão no fim do menu %1.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>O modelo reduzido aparece aqui.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>Salvar as partes como um só &amp;modelo</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>Salva as partes de um modelo de várias partes como uma só, como são desenhadas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>Salvar os ní&amp;veis em um só arquivo...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>Salva o modelo e seus nove níveis como níveis de detalhe em um só arquivo GLB, lido por motores de jogos e web</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>Mostrar o &amp;desvio</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>Colore o modelo reduzido pela distância de cada ponto ao modelo carregado</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>Salvar os níveis em um só arquivo</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>Arquivo GLB (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>Abrindo arquivo...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>%1 polígonos sem área não puderam ser convertidos em triângulos e foram deixados de fora.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>Abertura cancelada. A vista da direita ainda mostra %1.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>Abertura cancelada.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>Cancelado. A vista da direita agora mostra %1.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>Cancelado. A vista da direita ainda mostra %1.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>Decimando %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>Decimando até o limite de erro %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Suavizando...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>Concluído, mas o modelo não pode ser reduzido tanto: %1% dos triângulos são mantidos, e não os %2% solicitados.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>Concluído, mas o modelo não pode ser reduzido tanto: o nível de %1% mantém %2% dos triângulos.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>Guardado em %1; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>Concluído, mas %1% dos triângulos são mantidos, menos que os %2% solicitados.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>Concluído, mas o nível de %1% mantém %2% dos triângulos, menos que o solicitado.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>Memória insuficiente para esta operação: a vista da direita ainda mostra %1.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>Memória insuficiente para o nível de %1%: os níveis acima dele são mantidos.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>A refazer os níveis com o motor escolhido: %1 de %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>A fazer os níveis: %1 de %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>O botão de um nível não feito faz os níveis em falta.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>A gravar em %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n textura não pôde ser lida como imagem: %1. O seu material é desenhado na sua cor simples.</numerusform>
            <numerusform>%n texturas não puderam ser lidas como imagens: %1. Os seus materiais são desenhados na sua cor simples.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>Para atingir o número de triângulos, as bordas e as costuras de textura puderam sair de suas linhas.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>Este arquivo não existe.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>Isto é uma pasta, não um arquivo de modelo.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>Isto não é um arquivo em disco, mas um pipe, um dispositivo ou um soquete: o Lumeno3D abre apenas arquivos de modelo.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>Este arquivo está vazio: ele não contém nenhum modelo.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>Não é possível ler este arquivo: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>Este arquivo foi alterado enquanto era lido; talvez outro programa ainda esteja gravando nele. Abra-o novamente quando estiver completo.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>O Lumeno3D não conseguiu armazenar sua cópia de trabalho deste arquivo na pasta temporária %1; ela pode estar cheia.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Este arquivo parece estar corrompido e não pode ser carregado.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>Este arquivo não contém triângulos com área, apenas pontos ou linhas (uma nuvem de pontos, por exemplo): o Lumeno3D reduz malhas de triângulos.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>Todos os pontos deste modelo estão no mesmo lugar: ele não tem nenhuma superfície para mostrar ou reduzir.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>O Lumeno3D lê arquivos STL, OBJ, PLY, OFF, glTF, GLB e 3MF: escolha um arquivo cujo nome termine em .stl, .obj, .ply, .off, .gltf, .glb ou .3mf.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>O arquivo %1, que contém os dados deste modelo, não está ao lado dele ou não pode ser lido: copie-o para a mesma pasta.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>Este arquivo precisa de %1, que o Lumeno3D não consegue ler: exporte-o novamente sem isso.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n parte foi combinada num único modelo.</numerusform>
            <numerusform>%n partes foram combinadas num único modelo.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>Os materiais e as texturas deste arquivo não são mantidos: não são salvos com o modelo.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>%n grupo de pontos ou linhas foi deixado de fora: não tem triângulos.</numerusform>
            <numerusform>%n grupos de pontos ou linhas foram deixados de fora: não têm triângulos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>As cores das faces deste arquivo são omitidas: o Lumeno3D mantém apenas as cores dos vértices.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>JSON aninhado em %1 níveis de profundidade</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>nós aninhados em %1 níveis de profundidade</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 nós posicionados</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 partes posicionadas</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>%1 pontos ou triângulos em todas as suas partes</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>Este arquivo é maior que os %1 que o Lumeno3D lê.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>Não há memória suficiente para ler este arquivo: feche outros programas e abra-o novamente.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>Este arquivo contém mais do que o Lumeno3D lê: %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 não é suportado; o Lumeno3D lê glTF 2.0.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>Este arquivo glTF não contém malhas: não há nenhuma superfície para mostrar ou reduzir.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>Este arquivo contém apenas pontos, nenhum triângulo: o Lumeno3D reduz malhas de triângulos.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>Este arquivo 3MF não posiciona nenhum objeto na sua mesa de impressão: ele não tem itens de construção.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>Este arquivo faz referência a %1, que não é um arquivo da sua própria pasta: o Lumeno3D lê apenas arquivos que estão ao lado do modelo.</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>Este arquivo só tem %1 em algumas de suas partes ou faces: esses dados são deixados de fora.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>Este arquivo indica seus tamanhos na unidade &quot;%1&quot;; eles foram convertidos para milímetros.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 vértices ou cantos de faces</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>suporte à unidade &quot;%1&quot;</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>componentes aninhados em mais de %1 níveis</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>mais de %1 objetos posicionados</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>mais de %1 MiB de texto sem nenhuma tag</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>Bibliotecas de materiais ausentes ao lado deste modelo ou fora da sua pasta: %1. Os seus materiais são mostrados numa cor simples.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>Texturas ausentes ao lado deste modelo, fora da sua pasta ou ilegíveis: %1. Os seus materiais são mostrados nas suas cores simples.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 materiais ou %2 grupos</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>Este modelo de cerca de %1 triângulos precisa de cerca de %2 de memória para abrir e criar seus níveis, mas só há %3 disponíveis: feche outros programas ou abra-o em um computador com mais memória.</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>Não foi possível salvar o modelo em %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>Não foi possível criar um arquivo temporário na mesma pasta.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>Falha ao gravar o arquivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>Não há nenhum modelo para salvar.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>O arquivo está protegido contra gravação.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>O modelo não tem triângulos.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>O modelo tem coordenadas que não são números finitos.</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 não são guardados: os ficheiros STL contêm apenas os triângulos.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 não são guardados: os ficheiros OBJ contêm apenas normais e coordenadas de textura.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 não são guardadas: os ficheiros OFF contêm apenas cores dos vértices.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 não são guardadas: os ficheiros 3MF contêm apenas cores dos vértices.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 não foi salvo: um modelo só pode ser salvo como arquivo STL, PLY, OBJ, GLB, glTF, 3MF ou OFF.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>Não há memória suficiente para gravá-lo: feche outros programas e salve novamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n material</numerusform>
            <numerusform>%n materiais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n textura</numerusform>
            <numerusform>%n texturas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n parte, salva como um só modelo</numerusform>
            <numerusform>%n partes, salvas como um só modelo</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>não salvo: %1. Os arquivos 3MF contêm as texturas de cor base apenas de modelos com coordenadas de textura.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>não salvo: %1. Os arquivos glTF contêm apenas imagens PNG e JPEG, e uma imagem ausente não pode ser salva.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>não salvo: %1. Os arquivos %2 não contêm materiais, texturas nem partes.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 não foi salvo: os níveis em um só arquivo são salvos apenas como GLB.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>cores dos vértices</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>normais</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>coordenadas de textura</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>SaveLoss</name>
    <message>
        <source>materials and textures</source>
        <translation>materiais e texturas</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n parte, gravada como um só modelo</numerusform>
            <numerusform>%n partes, gravadas como um só modelo</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>Os materiais e partes que a leitura do arquivo não pôde manter não estão no modelo.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformação</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotação</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
</TS>
