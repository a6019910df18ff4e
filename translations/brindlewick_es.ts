<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>ByteWriter</name>
    <message>
        <source>The workbook cannot be written: the value %1 does not fit the field %2 of the %3 record, which holds %4 bits.</source>
        <translation>No se puede escribir el libro: el valor %1 no cabe en el campo %2 del registro %3, que admite %4 bits.</translation>
    </message>
</context>
<context>
    <name>ClaimNotes</name>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>Changed %1 from %2 to %3 on %4</source>
        <translation>%1 cambiado de %2 a %3 el %4</translation>
    </message>
    <message>
        <source>Deleted on %1</source>
        <translation>Eliminado el %1</translation>
    </message>
    <message>
        <source>Moved to the history on %1</source>
        <translation>Pasado al historial el %1</translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation>Recuperado el %1</translation>
    </message>
    <message>
        <source>Claimed in a printed report, saved %1</source>
        <translation>Incluido en una hoja de gastos impresa, guardada el %1</translation>
    </message>
    <message>
        <source>Claimed in %1, saved %2</source>
        <translation>Incluido en %1, guardado el %2</translation>
    </message>
    <message>
        <source>a printed report</source>
        <translation>una hoja de gastos impresa</translation>
    </message>
    <message numerus="yes">
        <source>%n of these trips were claimed before, first row %1 in %2 of %3. Create the report anyway?</source>
        <translation>
            <numerusform>%n de estos viajes ya se incluyó antes, fila %1 en %2 del %3. ¿Crear la hoja de gastos de todos modos?</numerusform>
            <numerusform>%n de estos viajes ya se incluyeron antes, primera fila %1 en %2 del %3. ¿Crear la hoja de gastos de todos modos?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClaimReport</name>
    <message>
        <source>The file %1 does not end in .xls, .xlsx or .pdf.</source>
        <translation>El archivo %1 no termina en .xls, .xlsx o .pdf.</translation>
    </message>
    <message>
        <source>The report cannot be made here.</source>
        <translation>La hoja de gastos no se puede crear aquí.</translation>
    </message>
    <message>
        <source>The report of claim %1 could not be made; nothing was written.</source>
        <translation>No se pudo crear la hoja de gastos %1; no se escribió nada.</translation>
    </message>
</context>
<context>
    <name>ClaimStore</name>
    <message>
        <source>There is no claim %1.</source>
        <translation>No existe la hoja de gastos %1.</translation>
    </message>
    <message>
        <source>claim %1</source>
        <translation>hoja de gastos %1</translation>
    </message>
    <message>
        <source>file %1 of claim %2</source>
        <translation>archivo %1 de la hoja de gastos %2</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>archivo %1</translation>
    </message>
    <message>
        <source>paid mark of claim %1</source>
        <translation>marca de pagada de la hoja de gastos %1</translation>
    </message>
    <message>
        <source>unpaid mark of claim %1</source>
        <translation>marca de no pagada de la hoja de gastos %1</translation>
    </message>
    <message>
        <source>trail entry %1</source>
        <translation>entrada de seguimiento %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>eslabón %1</translation>
    </message>
    <message>
        <source>%1 (not in the chain)</source>
        <translation>%1 (fuera de la cadena)</translation>
    </message>
    <message>
        <source>trip %1 of claim %2 (not in the chain)</source>
        <translation>viaje %1 de la hoja de gastos %2 (fuera de la cadena)</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>an item is longer than 64 MiB, which no track or Timeline export holds</source>
        <translation>un elemento supera los 64 MiB, algo que no contiene ningún track ni exportación de Timeline</translation>
    </message>
    <message>
        <source>the position %1, %2 lies outside the earth&apos;s latitudes and longitudes</source>
        <translation>la posición %1, %2 queda fuera de las latitudes y longitudes de la Tierra</translation>
    </message>
    <message>
        <source>a drive ends before it starts</source>
        <translation>un trayecto termina antes de empezar</translation>
    </message>
    <message>
        <source>the file ends before its %1 does; it may have been cut short</source>
        <translation>el archivo termina antes que su %1; quizá se cortó</translation>
    </message>
    <message>
        <source>this is not well-formed %1</source>
        <translation>esto no es %1 bien formado</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>this is neither a GPX track nor a Timeline export</source>
        <translation>esto no es ni un track GPX ni una exportación de Timeline</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>esto es una carpeta</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>no se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>it holds no track points (routes and waypoints are not drives)</source>
        <translation>no contiene puntos de track (las rutas y los waypoints no son trayectos)</translation>
    </message>
    <message>
        <source>this is no GPX file: its root element is &lt;%1&gt;</source>
        <translation>esto no es un archivo GPX: su elemento raíz es &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a track point has no latitude and longitude as numbers</source>
        <translation>un punto de track no tiene latitud y longitud como números</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time</source>
        <translation>«%1» no es una hora</translation>
    </message>
    <message>
        <source>a track point has no time, and a drive needs the time of every point</source>
        <translation>un punto de track no tiene hora, y un trayecto necesita la hora de cada punto</translation>
    </message>
    <message>
        <source>the time %1 comes before %2, the time of the point before it</source>
        <translation>la hora %1 es anterior a %2, la hora del punto anterior</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>this holds raw location records, not drives; read the Timeline export of the phone or the Semantic Location History instead</source>
        <translation>esto son registros de ubicación sin procesar, no trayectos; lea en su lugar la exportación de Timeline del teléfono o el historial de ubicaciones semántico</translation>
    </message>
    <message>
        <source>this is no Timeline export</source>
        <translation>esto no es una exportación de Timeline</translation>
    </message>
    <message>
        <source>this is no Semantic Location History</source>
        <translation>esto no es un historial de ubicaciones semántico</translation>
    </message>
    <message>
        <source>this is neither a Timeline export nor a Semantic Location History</source>
        <translation>esto no es ni una exportación de Timeline ni un historial de ubicaciones semántico</translation>
    </message>
    <message>
        <source>the JSON nests deeper than any export does</source>
        <translation>el JSON se anida más que cualquier exportación</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no position</source>
        <translation>«%1» no es una posición</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>«%1» no es un número</translation>
    </message>
    <message>
        <source>a coordinate is no number</source>
        <translation>una coordenada no es un número</translation>
    </message>
    <message>
        <source>a drive has no start or end time</source>
        <translation>un trayecto no tiene hora de inicio o de fin</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line </source>
        <translation>en la línea </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe una captura de pantalla de este mensaje a </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>Excel1</name>
    <message>
        <source>There is no picture on the clipboard to save.</source>
        <translation>No hay ninguna imagen en el portapapeles para guardar.</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>No se pudo escribir la imagen en %1.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Puede que Excel esté abierto. Se recomienda cerrar Excel primero.<byte value="xd"/>Si es necesario: Ctrl+Alt+Supr &gt; Administrador de tareas &gt; EXCEL.EXE.<byte value="xd"/>
<byte value="xd"/>
¿Desea continuar de todos modos?</translation>
    </message>
    <message>
        <source>The version &quot;%1&quot; of the spreadsheet application is no number.</source>
        <translation>La versión «%1» de la hoja de cálculo no es un número.</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Excel could not be created.</source>
        <translation>Error 842001. No se pudo iniciar Excel con normalidad.</translation>
    </message>
    <message>
        <source>1. Please make sure Excel is installed on this computer.</source>
        <translation>1. Compruebe que Excel está instalado en este equipo.</translation>
    </message>
    <message>
        <source>2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any interrupting window (such as an Excel file recovery window).</source>
        <translation>2. Abra Excel con normalidad y compruebe que se abre enseguida una hoja en blanco sin ventanas intermedias (como la de recuperación de archivos).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally without any interrupting messages.</source>
        <translation>3. Compruebe que al hacer doble clic en un archivo XLS o XLSX Excel se abre con normalidad, sin mensajes intermedios.</translation>
    </message>
    <message>
        <source>4. All versions of Excel are supported by this software except for the rare Excel Starter and Student editions.</source>
        <translation>4. Se admiten todas las versiones de Excel salvo las poco comunes ediciones Excel Starter y Student.</translation>
    </message>
</context>
<context>
    <name>KeptEntries</name>
    <message>
        <source>The employee data and the period could not be saved. %1 They are kept and saved with the next change, or when the window closes.</source>
        <translation>No se pudieron guardar los datos del empleado ni el período. %1 Se conservan y se guardan con el próximo cambio o al cerrar la ventana.</translation>
    </message>
</context>
<context>
    <name>LogBackup</name>
    <message>
        <source>The log is not kept in a file, so it cannot be backed up.</source>
        <translation>El registro no se guarda en un archivo, así que no se puede hacer copia de seguridad.</translation>
    </message>
    <message>
        <source>The log cannot be backed up in the middle of a change.</source>
        <translation>No se puede hacer copia del registro en mitad de un cambio.</translation>
    </message>
    <message>
        <source>The log could not be backed up. %1</source>
        <translation>No se pudo hacer copia de seguridad del registro. %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no log.</source>
        <translation>La copia %1 no contiene ningún registro.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged or is not a log.</source>
        <translation>La copia %1 está dañada o no es un registro.</translation>
    </message>
    <message>
        <source>The log cannot be restored in the middle of a change.</source>
        <translation>No se puede restaurar el registro en mitad de un cambio.</translation>
    </message>
    <message>
        <source>The log is unchanged.</source>
        <translation>El registro no ha cambiado.</translation>
    </message>
    <message>
        <source>The log was not restored, so that it is never replaced without a copy.</source>
        <translation>El registro no se restauró, para que nunca se sustituya sin copia.</translation>
    </message>
    <message>
        <source>The backup could not be restored. %1 The log is unchanged.</source>
        <translation>No se pudo restaurar la copia. %1 El registro no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>LogCatalog</name>
    <message>
        <source>The log %1 cannot be read: %2</source>
        <translation>No se puede leer el registro %1: %2</translation>
    </message>
    <message>
        <source>no folder for the trash is known</source>
        <translation>no se conoce ninguna carpeta para la papelera</translation>
    </message>
    <message>
        <source>not a log of this program</source>
        <translation>no es un registro de este programa</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a log.</source>
        <translation>%1 es una carpeta, no un registro.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a log: %2</source>
        <translation>%1 no se puede leer como registro: %2</translation>
    </message>
    <message>
        <source>%1 is not a log of this program.</source>
        <translation>%1 no es un registro de este programa.</translation>
    </message>
    <message>
        <source>There is no log called %1.</source>
        <translation>No hay ningún registro llamado %1.</translation>
    </message>
    <message>
        <source>%1 is listed because of where it lies; move it to the trash or out of the folder instead.</source>
        <translation>%1 aparece por el lugar donde está; muévalo a la papelera o fuera de la carpeta.</translation>
    </message>
    <message>
        <source>A log needs a name.</source>
        <translation>Un registro necesita un nombre.</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot hold a path separator (/ or \).</source>
        <translation>El nombre de un registro no puede contener un separador de ruta (/ o \).</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot begin with a period.</source>
        <translation>El nombre de un registro no puede empezar por un punto.</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot hold control characters.</source>
        <translation>El nombre de un registro no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>A log&apos;s name can be at most %1 bytes long.</source>
        <translation>El nombre de un registro puede tener como máximo %1 bytes.</translation>
    </message>
    <message>
        <source>A log called %1 exists already.</source>
        <translation>Ya existe un registro llamado %1.</translation>
    </message>
    <message>
        <source>The log %1 could not be made: %2</source>
        <translation>No se pudo crear el registro %1: %2</translation>
    </message>
    <message>
        <source>a file %1 exists already.</source>
        <translation>ya existe un archivo %1.</translation>
    </message>
    <message>
        <source>it is open in Brindlewick or brindlewick-report.</source>
        <translation>está abierto en Brindlewick o brindlewick-report.</translation>
    </message>
    <message>
        <source>The log %1 cannot be changed: %2</source>
        <translation>No se puede cambiar el registro %1: %2</translation>
    </message>
    <message>
        <source>The log kept beside the settings keeps its name.</source>
        <translation>El registro guardado junto a la configuración conserva su nombre.</translation>
    </message>
    <message>
        <source>A file %1 exists already.</source>
        <translation>Ya existe un archivo %1.</translation>
    </message>
    <message>
        <source>The log %1 could not be renamed: %2</source>
        <translation>No se pudo cambiar el nombre del registro %1: %2</translation>
    </message>
    <message>
        <source>The open log cannot be moved to the trash.</source>
        <translation>El registro abierto no se puede mover a la papelera.</translation>
    </message>
    <message>
        <source>The log %1 could not be moved to the trash (%2); it stays where it is.</source>
        <translation>No se pudo mover el registro %1 a la papelera (%2); se queda donde está.</translation>
    </message>
</context>
<context>
    <name>LogDatabase</name>
    <message>
        <source>The restored log was written by a newer version of the program.</source>
        <translation>El registro restaurado lo escribió una versión más reciente del programa.</translation>
    </message>
    <message>
        <source>The log %1 cannot be written: it is read-only.</source>
        <translation>No se puede escribir el registro %1: es de solo lectura.</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.</source>
        <translation>No se puede abrir el registro %1.</translation>
    </message>
    <message>
        <source>The file %1 is not a log database.</source>
        <translation>El archivo %1 no es una base de datos de registro.</translation>
    </message>
    <message>
        <source>The log %1 is damaged.</source>
        <translation>El registro %1 está dañado.</translation>
    </message>
    <message>
        <source>The log %1 is busy in another program.</source>
        <translation>El registro %1 está en uso por otro programa.</translation>
    </message>
    <message>
        <source>There is not enough memory to work on the log %1.</source>
        <translation>No hay memoria suficiente para trabajar con el registro %1.</translation>
    </message>
    <message>
        <source>The disk failed while using the log %1.</source>
        <translation>El disco falló al usar el registro %1.</translation>
    </message>
    <message>
        <source>The log %1 could not be used: %2.</source>
        <translation>No se pudo usar el registro %1: %2.</translation>
    </message>
    <message>
        <source>The log is unchanged.</source>
        <translation>El registro no ha cambiado.</translation>
    </message>
    <message>
        <source>The backup could not be copied beside the log.</source>
        <translation>No se pudo copiar la copia de seguridad junto al registro.</translation>
    </message>
    <message>
        <source>The backup was written by a newer version of the program.</source>
        <translation>La copia la escribió una versión más reciente del programa.</translation>
    </message>
    <message>
        <source>The backup could not be restored. %1</source>
        <translation>No se pudo restaurar la copia. %1</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>le falta la tabla %1</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>a su tabla %1 le falta la columna %2</translation>
    </message>
    <message>
        <source>The log %1 was moved or deleted while it was open.</source>
        <translation>El registro %1 se movió o se borró mientras estaba abierto.</translation>
    </message>
    <message>
        <source>The index file %1 of the log cannot be written.</source>
        <translation>No se puede escribir el archivo de índice %1 del registro.</translation>
    </message>
</context>
<context>
    <name>LogHistory</name>
    <message>
        <source>Edit of %1</source>
        <translation>Edición de %1</translation>
    </message>
    <message>
        <source>Filled Values</source>
        <translation>Valores completados</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Insertar fila</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Eliminar fila</translation>
    </message>
    <message>
        <source>Change of Trips</source>
        <translation>Cambio de viajes</translation>
    </message>
</context>
<context>
    <name>LogList</name>
    <message>
        <source>Open</source>
        <translation>Abierto</translation>
    </message>
</context>
<context>
    <name>LogSessions</name>
    <message>
        <source>The log %1 could not be closed: %2</source>
        <translation>No se pudo cerrar el registro %1: %2</translation>
    </message>
    <message>
        <source>The log %1 was not opened; %2 stays open. %3</source>
        <translation>El registro %1 no se abrió; %2 sigue abierto. %3</translation>
    </message>
</context>
<context>
    <name>LogTable</name>
    <message>
        <source>A mileage log holds at most %1 trips. %2</source>
        <translation>Un registro admite como máximo %1 viajes. %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Starting Location</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Description/Notes</source>
        <translation>Motivo/Notas</translation>
    </message>
    <message>
        <source>Odometer Start</source>
        <translation>Odómetro inicial</translation>
    </message>
    <message>
        <source>Odometer End</source>
        <translation>Odómetro final</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>La operación no se permite con el objeto abierto.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>La operación no se permite con el objeto cerrado.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF o EOF es True, o se ha eliminado el registro actual.</translation>
    </message>
    <message>
        <source>Row handle referred to a deleted row or a row marked for deletion.</source>
        <translation>El identificador de fila remite a una fila eliminada o marcada para eliminar.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF o EOF es True, o se ha eliminado el registro actual. La operación solicitada requiere un registro actual.</translation>
    </message>
    <message>
        <source>The bookmark is invalid.</source>
        <translation>El marcador no es válido.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>No se encontró ningún elemento de la colección con el nombre o el ordinal solicitado.</translation>
    </message>
    <message>
        <source>Multiple-step operation generated errors. Check each status value.</source>
        <translation>La operación de varios pasos generó errores. Compruebe cada valor de estado.</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable de objeto o de bloque With no establecida</translation>
    </message>
    <message>
        <source>The stored log has %1 trips; the first %2 were loaded.</source>
        <translation>El registro guardado tiene %1 viajes; se cargaron los %2 primeros.</translation>
    </message>
    <message>
        <source>The stored row count %1 is no usable number of rows; no rows were restored.</source>
        <translation>El número de filas guardado %1 no es utilizable; no se restauró ninguna fila.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilómetros</translation>
    </message>
</context>
<context>
    <name>LogUnits</name>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>Kilometre</source>
        <translation>Kilómetro</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Milla</translation>
    </message>
</context>
<context>
    <name>MileageLog</name>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Texts longer than a cell holds were cut to their first 32,767 characters in the report; the log keeps them whole:<byte value="xd"/>
</source>
        <translation>Los textos más largos de lo que cabe en una celda se cortaron a sus primeros 32.767 caracteres en el informe; el registro los conserva enteros:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Trip %1, %2</source>
        <translation>Viaje %1, %2</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>sin tarifa</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 hasta el %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 del %2 al %3</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 desde el %2</translation>
    </message>
    <message>
        <source>Employee Name</source>
        <translation>Nombre del empleado</translation>
    </message>
    <message>
        <source>Employee ID</source>
        <translation>N.º de empleado</translation>
    </message>
    <message>
        <source>Vehicle Description</source>
        <translation>Vehículo</translation>
    </message>
    <message>
        <source>Authorized By</source>
        <translation>Autorizado por</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Del %1 al %2</translation>
    </message>
    <message>
        <source>Rate Per Mile</source>
        <translation>Tarifa por milla</translation>
    </message>
    <message>
        <source>For Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Total Mileage</source>
        <translation>Distancia total</translation>
    </message>
    <message>
        <source>Total Reimbursement</source>
        <translation>Importe total</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Starting Location</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Description/Notes</source>
        <translation>Motivo/Notas</translation>
    </message>
    <message>
        <source>Odometer Start</source>
        <translation>Odómetro inicial</translation>
    </message>
    <message>
        <source>Odometer End</source>
        <translation>Odómetro final</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>The temporary workbook %1 cannot be created: %2</source>
        <translation>No se puede crear el libro temporal %1: %2</translation>
    </message>
    <message>
        <source>The picture file %1 could not be loaded.%2</source>
        <translation>No se pudo cargar el archivo de imagen %1.%2</translation>
    </message>
    <message>
        <source>No unused name for the temporary workbook was found.</source>
        <translation>No se encontró ningún nombre libre para el libro temporal.</translation>
    </message>
    <message>
        <source>This log has %1 trips; delete some before creating the report.</source>
        <translation>Este registro tiene %1 viajes; elimine algunos antes de crear el informe.</translation>
    </message>
    <message>
        <source>Mileage Log and Reimbursement</source>
        <translation>Kilometraje y gastos de viaje</translation>
    </message>
    <message>
        <source>Mileage Log and Reimbursement Form</source>
        <translation>Hoja de gastos de kilometraje</translation>
    </message>
    <message>
        <source>Rate Per Kilometre</source>
        <translation>Tarifa por kilómetro</translation>
    </message>
    <message>
        <source>Total Kilometres</source>
        <translation>Total de kilómetros</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilómetros</translation>
    </message>
    <message>
        <source>%1 for %2: %3, total mileage %4, total reimbursement %5</source>
        <translation>%1 de %2: %3, distancia total %4, importe total %5</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n viaje</numerusform>
            <numerusform>%n viajes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a rate up to a distance driven</comment>
        <translation>%1 hasta %2</translation>
    </message>
    <message>
        <source>%1 after</source>
        <comment>a rate after the last distance</comment>
        <translation>%1 a partir de ahí</translation>
    </message>
    <message>
        <source>to %2: %1</source>
        <translation>hasta el %2: %1</translation>
    </message>
    <message>
        <source>from %2 to %3: %1</source>
        <translation>del %2 al %3: %1</translation>
    </message>
    <message>
        <source>from %2: %1</source>
        <translation>desde el %2: %1</translation>
    </message>
</context>
<context>
    <name>OldStoreReaders</name>
    <message>
        <source>Bytes of the line are not UTF-8 text.</source>
        <translation>Hay bytes de la línea que no son texto UTF-8.</translation>
    </message>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>La primera línea no es «%1».</translation>
    </message>
    <message>
        <source>The line holds a bare carriage return.</source>
        <translation>La línea contiene un retorno de carro aislado.</translation>
    </message>
    <message>
        <source>The line is neither RowCount nor a row.</source>
        <translation>La línea no es RowCount ni una fila.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a row number.</source>
        <translation>«%1» no es un número de fila.</translation>
    </message>
    <message>
        <source>Row %1 is given twice.</source>
        <translation>La fila %1 aparece dos veces.</translation>
    </message>
    <message>
        <source>The row does not have eight fields.</source>
        <translation>La fila no tiene ocho campos.</translation>
    </message>
    <message>
        <source>A field ends in a lone backslash.</source>
        <translation>Un campo termina en una barra invertida aislada.</translation>
    </message>
    <message>
        <source>A field holds the unknown escape &quot;\%1&quot;.</source>
        <translation>Un campo contiene la secuencia de escape desconocida «\%1».</translation>
    </message>
    <message>
        <source>The line is no key with a value.</source>
        <translation>La línea no es una clave con valor.</translation>
    </message>
    <message>
        <source>The section name is not closed.</source>
        <translation>El nombre de sección no está cerrado.</translation>
    </message>
    <message>
        <source>The key is given again; this value is read.</source>
        <translation>La clave aparece de nuevo; se lee este valor.</translation>
    </message>
    <message>
        <source>The key looks like a row&apos;s but is none; it stays an ordinary key.</source>
        <translation>La clave parece la de una fila pero no lo es; sigue siendo una clave normal.</translation>
    </message>
    <message>
        <source>The typed value cannot be read.</source>
        <translation>No se puede leer el valor con tipo.</translation>
    </message>
</context>
<context>
    <name>OsError</name>
    <message>
        <source>The disk is full (writing %1).</source>
        <translation>El disco está lleno (al escribir %1).</translation>
    </message>
    <message>
        <source>The disk of %1 is read-only.</source>
        <translation>El disco de %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation>No hay permiso para escribir %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
</context>
<context>
    <name>RateSchedule</name>
    <message>
        <source>A rate cannot be below 0.</source>
        <translation>Una tarifa no puede ser menor que 0.</translation>
    </message>
    <message>
        <source>A distance cannot be below 0.</source>
        <translation>Una distancia no puede ser menor que 0.</translation>
    </message>
    <message>
        <source>A change needs a date, a distance or both.</source>
        <translation>Un cambio necesita una fecha, una distancia o ambas.</translation>
    </message>
</context>
<context>
    <name>ReportFormats</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Archivos de Excel (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportTool</name>
    <message>
        <source>(answered Yes)</source>
        <translation>(respondido Sí)</translation>
    </message>
    <message>
        <source>The report has no picture to write.</source>
        <translation>El informe no tiene imagen que escribir.</translation>
    </message>
    <message>
        <source>cannot read the settings file &quot;%1&quot;</source>
        <translation>no se puede leer el archivo de configuración «%1»</translation>
    </message>
    <message>
        <source>the trip log could not be read: %1</source>
        <translation>no se pudo leer el registro de viajes: %1</translation>
    </message>
    <message>
        <source>cannot read the trips file &quot;%1&quot;: %2</source>
        <translation>no se puede leer el archivo de viajes «%1»: %2</translation>
    </message>
    <message>
        <source>no trips in &quot;%1&quot;: %2</source>
        <translation>no hay viajes en «%1»: %2</translation>
    </message>
    <message>
        <source>lines of &quot;%1&quot; left out:</source>
        <translation>líneas de «%1» omitidas:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 trips</source>
        <translation>«%1» contiene más de %2 viajes</translation>
    </message>
    <message>
        <source>cannot read the rates file &quot;%1&quot;: %2</source>
        <translation>no se puede leer el archivo de tarifas «%1»: %2</translation>
    </message>
    <message>
        <source>no rates in &quot;%1&quot;: %2</source>
        <translation>no hay tarifas en «%1»: %2</translation>
    </message>
    <message>
        <source>lines of &quot;%1&quot; that cannot be read; nothing was written:
%2</source>
        <translation>líneas de «%1» ilegibles; no se escribió nada:
%2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>the output file is missing</source>
        <translation>falta el archivo de salida</translation>
    </message>
    <message>
        <source>only one output file can be given</source>
        <translation>solo se puede indicar un archivo de salida</translation>
    </message>
    <message>
        <source>--sample and --settings exclude each other</source>
        <translation>--sample y --settings se excluyen mutuamente</translation>
    </message>
    <message>
        <source>the picture file must end in .bmp or .png</source>
        <translation>el archivo de imagen debe terminar en .bmp o .png</translation>
    </message>
    <message>
        <source>the picture and the workbook cannot be the same file</source>
        <translation>la imagen y el libro no pueden ser el mismo archivo</translation>
    </message>
    <message>
        <source>the stored entries could not be read; no report was made</source>
        <translation>no se pudieron leer los datos guardados; no se creó ningún informe</translation>
    </message>
    <message>
        <source>the report could not be made; nothing was written</source>
        <translation>no se pudo crear el informe; no se escribió nada</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>impresa</translation>
    </message>
    <message>
        <source>paid %1</source>
        <translation>pagada el %1</translation>
    </message>
    <message>
        <source>the trip log %1 has no database yet; open the program once, then record the claim</source>
        <translation>el registro de viajes %1 aún no tiene base de datos; abra el programa una vez y después registre la hoja de gastos</translation>
    </message>
    <message>
        <source>the trip log %1 is open in the program, so no claim can be recorded; close it and run again</source>
        <translation>el registro de viajes %1 está abierto en el programa, así que no se puede registrar ninguna hoja de gastos; ciérrelo y vuelva a ejecutar</translation>
    </message>
    <message>
        <source>the trip log %1 was written by a newer version of the program; no claim was recorded</source>
        <translation>el registro de viajes %1 lo escribió una versión más reciente del programa; no se registró ninguna hoja de gastos</translation>
    </message>
    <message>
        <source>Claims: %1</source>
        <translation>Hojas de gastos: %1</translation>
    </message>
    <message>
        <source>Chain length: %1</source>
        <translation>Longitud de la cadena: %1</translation>
    </message>
    <message>
        <source>Chain head: %1</source>
        <translation>Cabeza de la cadena: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>the chain does not hold from %1 on: the log was changed outside the program</source>
        <translation>la cadena está rota desde %1: el registro se modificó fuera del programa</translation>
    </message>
    <message>
        <source>there is no claim %1; nothing was written</source>
        <translation>no existe la hoja de gastos %1; no se escribió nada</translation>
    </message>
    <message>
        <source>recorded claim %1</source>
        <translation>hoja de gastos %1 registrada</translation>
    </message>
    <message>
        <source>the report was written to %1, but no claim was recorded: %2</source>
        <translation>la hoja de gastos se escribió en %1, pero no se registró: %2</translation>
    </message>
    <message>
        <source>only one of --record-claim, --claims, --check-history and --claim can be given</source>
        <translation>solo se puede indicar una de --record-claim, --claims, --check-history y --claim</translation>
    </message>
    <message>
        <source>--claims and --check-history take no output file and no report options</source>
        <translation>--claims y --check-history no admiten archivo de salida ni opciones de informe</translation>
    </message>
    <message>
        <source>--claim makes the claim&apos;s report from what it holds: it takes no report options</source>
        <translation>--claim crea la hoja de gastos a partir de lo que contiene: no admite opciones de informe</translation>
    </message>
    <message>
        <source>the output of --claim must end in .xls, .xlsx or .pdf</source>
        <translation>la salida de --claim debe terminar en .xls, .xlsx o .pdf</translation>
    </message>
    <message>
        <source>--record-claim records the stored trips only: not with --sample or --trips</source>
        <translation>--record-claim solo registra los viajes guardados: no con --sample ni --trips</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 requiere %2</translation>
    </message>
    <message>
        <source>--claim needs a claim number</source>
        <translation>--claim requiere un número de hoja de gastos</translation>
    </message>
    <message>
        <source>--claim needs a claim number from 1 on, not &quot;%1&quot;</source>
        <translation>--claim requiere un número de hoja de gastos desde 1, no «%1»</translation>
    </message>
    <message>
        <source>--unit takes km or mi, not %1</source>
        <translation>--unit admite km o mi, no %1</translation>
    </message>
    <message>
        <source>--list-drives needs a file to read</source>
        <translation>--list-drives necesita un archivo que leer</translation>
    </message>
    <message>
        <source>--min-stop takes whole minutes from 1 to 1440, not %1</source>
        <translation>--min-stop admite minutos enteros de 1 a 1440, no %1</translation>
    </message>
    <message>
        <source>%1	%2	%3 to %4	%5	%6	%7</source>
        <translation>%1	%2	%3 al %4	%5	%6	%7</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n viaje</numerusform>
            <numerusform>%n viajes</numerusform>
        </translation>
    </message>
    <message>
        <source>--min-stop goes with --list-drives</source>
        <translation>--min-stop va con --list-drives</translation>
    </message>
    <message>
        <source>the trip log %1 cannot be locked, so no claim can be recorded: %2</source>
        <translation>el registro de viajes %1 no se puede bloquear, así que no se puede registrar ninguna hoja de gastos: %2</translation>
    </message>
    <message>
        <source>the trip log %1 is being written by another brindlewick-report, so no claim can be recorded; run again when it has finished</source>
        <translation>otro brindlewick-report está escribiendo el registro de viajes %1, así que no se puede registrar ninguna hoja de gastos; vuelva a ejecutar cuando haya terminado</translation>
    </message>
    <message>
        <source>the chain no longer holds the head %1: claims, files, paid marks or trail entries kept up to it were removed</source>
        <translation>la cadena ya no contiene la cabeza %1: se quitaron hojas de gastos, archivos, marcas de pago o entradas del historial hasta ella</translation>
    </message>
    <message>
        <source>--head goes with --check-history</source>
        <translation>--head va con --check-history</translation>
    </message>
    <message>
        <source>--head needs a chain head of 64 hex digits, not &quot;%1&quot;</source>
        <translation>--head necesita una cabeza de cadena de 64 dígitos hexadecimales, no «%1»</translation>
    </message>
    <message>
        <source>--summary needs a year such as 2025, not &quot;%1&quot;</source>
        <translation>--summary necesita un año como 2025, no «%1»</translation>
    </message>
    <message>
        <source>the log&apos;s unit and places could not be read: %1</source>
        <translation>no se pudieron leer la unidad y los lugares del registro: %1</translation>
    </message>
    <message>
        <source>
Drives (--list-drives FILE...):
  --list-drives        print the drives found in the files (GPX tracks, the Timeline
                       export of a phone, months of Semantic Location History) as CSV
                       that &quot;Import Trips from CSV...&quot; reads: Date as YYYY-MM-DD, the
                       local day at the drive&apos;s start; Starting Location and Destination
                       named after the log&apos;s saved places (within each place&apos;s radius,
                       the nearest), else where the export names the places; Mileage in
                       the log&apos;s unit with one decimal. Nothing is written, the log is
                       only read. When a file cannot be read,
                       it is named with the reason and nothing is printed (status 1)
  --min-stop MINUTES   a stop, or a gap between the times of a track, this many
                       minutes long ends a drive (5 when not given)
  --unit km|mi         give Mileage in kilometres or miles instead of the log&apos;s unit
</source>
        <translation>
Trayectos (--list-drives ARCHIVO...):
  --list-drives        mostrar los trayectos encontrados en los archivos (tracks GPX,
                       la exportación de Timeline de un teléfono, meses del historial
                       de ubicaciones semántico) como CSV que «Importar viajes desde
                       CSV...» lee: la fecha como AAAA-MM-DD, el día local al empezar
                       el trayecto; el lugar de salida y el destino según los lugares
                       guardados del registro (el más cercano cuyo radio contiene el
                       extremo), si no donde la exportación nombra los lugares; la
                       distancia en la unidad del registro con un decimal. No se
                       escribe nada, el registro solo se lee. Si un archivo no se
                       puede leer, se nombra con el motivo y no se muestra nada
                       (estado 1)
  --min-stop MINUTOS   una parada, o un hueco entre las horas de un track, de tantos
                       minutos termina un trayecto (5 si no se indica)
  --unit km|mi         dar la distancia en kilómetros o millas en lugar de la unidad
                       del registro
</translation>
    </message>
    <message>
        <source>--list-drives takes no options but --settings, --log, --unit and --min-stop</source>
        <translation>--list-drives no admite más opciones que --settings, --log, --unit y --min-stop</translation>
    </message>
    <message>
        <source>--summary takes no output file and no options but --settings and --log</source>
        <translation>--summary no admite archivo de salida ni opciones salvo --settings y --log</translation>
    </message>
    <message>
        <source>--logs takes no options but --settings</source>
        <translation>--logs no admite más opciones que --settings</translation>
    </message>
    <message>
        <source>       %1 [--settings FILE.ini] [--log NAME|FILE] [--unit km|mi] [--min-stop MINUTES] --list-drives FILE...</source>
        <translation>       %1 [--settings ARCHIVO.ini] [--log NOMBRE|ARCHIVO] [--unit km|mi] [--min-stop MINUTOS] --list-drives ARCHIVO...</translation>
    </message>
    <message>
        <source>Usage: %1 [--sample | [--settings FILE.ini] [--log NAME|FILE]] [--trips FILE.csv] [--rates FILE.csv] [--unit km|mi] [--currency SIGN] [--picture FILE.bmp|FILE.png] [--record-claim] OUTPUT.xls|OUTPUT.xlsx|OUTPUT.pdf
       %1 [--settings FILE.ini] [--log NAME|FILE] --claims | --check-history [--head HASH] | --claim N OUTPUT | --summary YEAR
       %1 [--settings FILE.ini] --logs</source>
        <translation>Uso: %1 [--sample | [--settings ARCHIVO.ini] [--log NOMBRE|ARCHIVO]] [--trips ARCHIVO.csv] [--rates ARCHIVO.csv] [--unit km|mi] [--currency SIGNO] [--picture ARCHIVO.bmp|ARCHIVO.png] [--record-claim] SALIDA.xls|SALIDA.xlsx|SALIDA.pdf
     %1 [--settings ARCHIVO.ini] [--log NOMBRE|ARCHIVO] --claims | --check-history [--head HASH] | --claim N SALIDA | --summary AÑO
     %1 [--settings ARCHIVO.ini] --logs</translation>
    </message>
    <message>
        <source>

Makes the mileage report that &quot;Start Creating Template&quot; makes, without a window, and
writes it to OUTPUT: byte for byte the file that saving the report from the preview
window writes. OUTPUT ending in .xlsx gets the same workbook as an Excel Workbook, one
ending in .pdf the report&apos;s printed pages as a PDF (suffixes in any letter case); any
other name gets the Excel 97-2003 workbook.

The log read is the one opened last in the program, or the one --log names; it is
opened read-only and never upgraded. Its employee entries and period come from the
log itself, or, for the log beside the settings before the program has moved them
into it, from the program&apos;s settings store as the program reads them when it starts
(the INI file Varnholt/Brindlewick.ini in $XDG_CONFIG_HOME or ~/.config; the
program&apos;s registry key on Windows). The trips come from the log&apos;s database
(Varnholt/Brindlewick.sqlite beside the settings, or Varnholt/logs/NAME.sqlite);
where there is no database yet, from the store as earlier versions kept them. The report
names distances in the log&apos;s unit and amounts in its currency (miles and &quot;$&quot; without
a database). Nothing is written to the log unless --record-claim is given.

Options:
  --sample             use the sample data instead of the stored entries and trips;
                       the settings store is not read
  --settings FILE.ini  read the entries from FILE.ini in the store&apos;s format and the
                       trips from FILE.sqlite beside it; the logs folder and the log
                       opened last are then the ones beside FILE.ini
  --log NAME|FILE      read that log instead of the one opened last in the program:
                       an argument with a path separator is a log&apos;s file, any other
                       the name of a known log (see --logs). A log keeps its employee
                       entries and period itself once the program has opened it, so
                       its file alone makes the report, wherever it lies
  --logs               list the known logs, one a line: name, trips (blank rows not
                       counted) and the full path of its file, separated by tabs. The
                       known logs are the one beside the settings, every .sqlite file
                       in Varnholt/logs and the logs opened elsewhere. A log that
                       cannot be read is named on standard error (status 1)
  --trips FILE.csv     use the trips of FILE.csv (as &quot;Import Trips from CSV...&quot; reads
                       it) instead of the stored or sample ones; Mileage and
                       Reimbursement are filled in where empty, with the stored or
                       sample rate; lines that cannot be read are listed and left out
  --rates FILE.csv     pay the trips at the rate changes of FILE.csv (columns &quot;From&quot;,
                       a date, ISO or your short form, and &quot;Rate&quot;, a number read as
                       the trips&apos; numbers are, and an optional &quot;From Distance&quot;, the
                       distance driven in the tax year the change applies from, with
                       which &quot;From&quot; may be empty: the start of every tax year) for
                       the report and for the fills of --trips; without it the
                       program&apos;s stored changes apply. A line that cannot be read, or
                       a rate or distance below 0, is listed with its reason and
                       nothing is written (status 1)
  --unit km|mi         name distances in kilometres or miles instead of the log&apos;s
                       unit (words only: the numbers are the log&apos;s)
  --currency SIGN      show amounts with SIGN instead of the log&apos;s currency sign, where
                       the log places its sign
  --picture FILE       also write the picture of the sheet, as BMP or PNG by the
                       file&apos;s suffix
  --record-claim       record a claim of the report written to OUTPUT in the log&apos;s
                       database, as saving it from the preview window does: what it
                       held, its trips and the file&apos;s SHA-256. The log must not be
                       open in the program (status 1, no claim; OUTPUT is kept)
  --claims             list the claims, one a line: number, saved when (UTC),
                       period, trips, total in the claim&apos;s currency, files (and when
                       it was paid)
  --claim N OUTPUT     make claim N&apos;s report again from what the claim held, in the
                       locale, unit and currency it was made in, whatever the log
                       holds now
  --check-history      print the number of claims, the length of the chain over the
                       claims and the trail of changes to claimed trips, and its head
                       (status 3 when the chain does not hold, naming where it fails).
                       No chain kept inside the log can notice its own end being cut
                       off (the last claims deleted with their links, or every claim
                       table emptied): keep the head elsewhere and give it with --head
  --head HASH          with --check-history: status 3 unless the chain still contains
                       HASH, a head kept from Claim History or an earlier check
                       (status 2 when HASH is not 64 hex digits)
  --summary YEAR       print the summary of the log&apos;s tax year that begins in YEAR
                       (the log&apos;s tax-year start, 1 January unless changed) as CSV:
                       Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed,
                       one row a tax month labelled YYYY-MM by the month it begins in,
                       then Total; plain numbers, &apos;.&apos; for decimals, no currency sign.
                       Claimed trips moved out of the grid count too. A year without
                       trips prints its empty months; a YEAR that is not a year of
                       four digits is refused (status 2)
  -h, --help           show this text
      --version        show the program&apos;s version

Message boxes are written to standard error; a question is answered Yes. A notice
(a text cut to fit its cell, for example) is no failure. When the report cannot be
made in full, or a file cannot be written, nothing is written: an existing OUTPUT or
picture file is left as it was.

Exit status: 0 when the report was written, 1 when it failed, 2 for bad arguments
(a claim that does not exist included), 3 when --check-history finds the chain broken
or without the head given with --head.
</source>
        <translation>

Crea sin ventana la hoja de gastos de kilometraje que crea «Crear hoja de gastos» y
la escribe en SALIDA: byte a byte el archivo que escribe el guardado desde la ventana
de vista previa. Una SALIDA terminada en .xlsx recibe el mismo libro como Libro de
Excel, una en .pdf las páginas impresas del informe como PDF (extensiones en
mayúsculas o minúsculas); cualquier otro nombre, el libro de Excel 97-2003.

Se lee el registro abierto por última vez en el programa, o el que nombra --log; se
abre en solo lectura y nunca se actualiza. Los datos del empleado y el período vienen
del propio registro o, para el registro junto a la configuración antes de que el
programa los haya pasado a él, del almacén de configuración del programa como el
programa los lee al iniciarse (el archivo INI Varnholt/Brindlewick.ini en
$XDG_CONFIG_HOME o ~/.config; en Windows, la clave de registro del programa). Los
viajes vienen de la base de datos del registro (Varnholt/Brindlewick.sqlite junto a la
configuración, o Varnholt/logs/NOMBRE.sqlite); sin base de datos, del almacén como lo
guardaban versiones anteriores. El informe expresa las distancias en la unidad del
registro y los importes en su moneda (millas y «$» sin base de datos). No se escribe nada en el registro salvo
con --record-claim.

Opciones:
  --sample             usar los datos de ejemplo en lugar de los datos y viajes
                       guardados; no se lee el almacén de configuración
  --settings ARCHIVO.ini  leer los datos de ARCHIVO.ini en el formato del almacén
                       y los viajes de ARCHIVO.sqlite junto a él; la carpeta de
                       registros y el último abierto son entonces los de junto a
                       ARCHIVO.ini
  --log NOMBRE|ARCHIVO leer ese registro en lugar del último abierto en el programa:
                       un argumento con separador de ruta es un archivo, cualquier
                       otro el nombre de un registro conocido (véase --logs). Un
                       registro guarda él mismo sus datos y período en cuanto el
                       programa lo ha abierto; su archivo basta para el informe,
                       esté donde esté
  --logs               listar los registros conocidos, uno por línea: nombre, viajes
                       (sin contar filas vacías) y ruta completa del archivo,
                       separados por tabuladores. Se conocen el de junto a la
                       configuración, cada archivo .sqlite de Varnholt/logs y los
                       abiertos en otro lugar. Uno que no se puede leer se nombra en
                       la salida de errores (estado 1)
  --trips ARCHIVO.csv  usar los viajes de ARCHIVO.csv (leído como «Importar viajes
                       de CSV...») en lugar de los guardados o de ejemplo; las
                       distancias e importes vacíos se completan con la tarifa
                       guardada o de ejemplo; las líneas ilegibles se listan y omiten
  --rates ARCHIVO.csv  pagar los viajes según los cambios de tarifa de ARCHIVO.csv
                       (columnas «From», una fecha ISO o en su formato corto,
                       «Rate», un número leído como los de los viajes, y opcional
                       «From Distance», la distancia recorrida en el año fiscal
                       desde la que rige el cambio; «From» puede quedar vacía:
                       desde el inicio de cada año fiscal) en el informe y en los
                       completados de --trips; sin ella rigen los cambios guardados
                       del programa. Una línea ilegible, o una tarifa o distancia
                       menor que 0, se lista con su motivo y no se escribe nada
                       (estado 1)
  --unit km|mi         expresar las distancias en kilómetros o millas en lugar de la
                       unidad del registro (solo las palabras: los números no cambian)
  --currency SIGNO     mostrar los importes con SIGNO en lugar del símbolo de moneda
                       del registro, donde el registro coloca su símbolo
  --picture ARCHIVO    escribir también la imagen de la hoja, en BMP o PNG según la
                       extensión del archivo
  --record-claim       registrar en la base de datos del registro la hoja de gastos
                       escrita en SALIDA, como al guardarla desde la vista previa: su
                       contenido, sus viajes y el SHA-256 del archivo. El registro no
                       debe estar abierto en el programa (estado 1, no se registra
                       nada; SALIDA se conserva)
  --claims             listar las hojas de gastos, una por línea: número, cuándo se
                       guardó (UTC), período, viajes, total en la moneda de la hoja,
                       archivos (y cuándo se pagó)
  --claim N SALIDA     volver a crear la hoja de gastos N a partir de su contenido,
                       en la configuración regional, la unidad y la moneda en que se
                       creó, contenga lo que contenga ahora el registro
  --check-history      mostrar el número de hojas de gastos, la longitud de la
                       cadena sobre las hojas y los cambios de viajes ya incluidos,
                       y su cabeza (estado 3 si la cadena está rota, indicando dónde
                       falla). Ninguna cadena guardada dentro del registro puede notar
                       que le cortaron el final (las últimas hojas borradas con sus
                       eslabones, o todas las tablas de hojas vaciadas): guarde la
                       cabeza en otro sitio y désela con --head
  --head HASH          con --check-history: estado 3 si la cadena ya no contiene
                       HASH, una cabeza guardada del historial de hojas o de una
                       comprobación anterior (estado 2 si HASH no tiene 64 dígitos
                       hexadecimales)
  --summary AÑO        escribir el resumen del año fiscal del registro que empieza
                       en AÑO (el inicio de año fiscal del registro, el 1 de enero
                       salvo cambio) como CSV:
                       Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed,
                       una fila por mes fiscal nombrada YYYY-MM por el mes en que
                       empieza, luego Total; números simples, «.» como separador
                       decimal, sin signo de moneda. Los viajes reclamados que se
                       sacaron de la cuadrícula cuentan también. Un año sin viajes
                       da sus meses vacíos; un AÑO que no es un año de cuatro cifras
                       se rechaza (estado 2)
  -h, --help           mostrar este texto
      --version        mostrar la versión del programa

Los cuadros de mensaje se escriben en la salida de error; a una pregunta se responde
Sí. Un aviso (un texto cortado para caber en su celda, por ejemplo) no es un fallo. Si
el informe no se puede crear entero o un archivo no se puede escribir, no se escribe
nada: una SALIDA o imagen existente queda como estaba.

Estado de salida: 0 si se escribió el informe, 1 si falló, 2 por argumentos
incorrectos (incluida una hoja de gastos que no existe), 3 si --check-history
encuentra la cadena rota o sin la cabeza dada con --head.
</translation>
    </message>
    <message>
        <source>--sample and --log exclude each other</source>
        <translation>--sample y --log se excluyen mutuamente</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot write the settings to %1</source>
        <translation>No se puede escribir la configuración en %1</translation>
    </message>
    <message>
        <source>The employee data and the period could not be moved into the log: %1 They stay in the settings file %2.</source>
        <translation>No se pudieron pasar los datos del empleado y el período al registro: %1 Se quedan en el archivo de configuración %2.</translation>
    </message>
    <message>
        <source>The log %1 is open read-only, so the employee data and the period are not kept.</source>
        <translation>El registro %1 está abierto en solo lectura, así que los datos del empleado y el período no se guardan.</translation>
    </message>
    <message>
        <source>Cannot write the log %1: %2</source>
        <translation>No se puede escribir el registro %1: %2</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>No spreadsheet application instance is set.</source>
        <translation>No hay ninguna instancia de la hoja de cálculo establecida.</translation>
    </message>
    <message>
        <source>The spreadsheet application has been quit; its objects can no longer be used.</source>
        <translation>Se ha cerrado la hoja de cálculo; sus objetos ya no se pueden usar.</translation>
    </message>
    <message>
        <source>No workbook is set.</source>
        <translation>No hay ningún libro establecido.</translation>
    </message>
    <message>
        <source>The workbook has been closed; its objects can no longer be used.</source>
        <translation>El libro se ha cerrado; sus objetos ya no se pueden usar.</translation>
    </message>
    <message>
        <source>No workbook is open.</source>
        <translation>No hay ningún libro abierto.</translation>
    </message>
    <message>
        <source>Subscript out of range: there is no item %1; the collection has %2.</source>
        <translation>Subíndice fuera del intervalo: no hay elemento %1; la colección tiene %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cell or range address.</source>
        <translation>«%1» no es una dirección de celda o rango.</translation>
    </message>
    <message>
        <source>EnableCancelKey cannot be %1; it is 0, 1 or 2.</source>
        <translation>EnableCancelKey no puede ser %1; es 0, 1 o 2.</translation>
    </message>
    <message>
        <source>Cursor cannot be %1; it is -4143, 1, 2 or 3.</source>
        <translation>Cursor no puede ser %1; es -4143, 1, 2 o 3.</translation>
    </message>
    <message>
        <source>A new workbook has 1 to 255 sheets, not %1.</source>
        <translation>Un libro nuevo tiene de 1 a 255 hojas, no %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a row or a range of rows.</source>
        <translation>«%1» no es una fila ni un rango de filas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a column or a range of columns.</source>
        <translation>«%1» no es una columna ni un rango de columnas.</translation>
    </message>
    <message>
        <source>No other spreadsheet application instance is running.</source>
        <translation>No se está ejecutando ninguna otra instancia de la hoja de cálculo.</translation>
    </message>
    <message>
        <source>The spreadsheet application could not be started.</source>
        <translation>No se pudo iniciar la hoja de cálculo.</translation>
    </message>
    <message>
        <source>There is no border number %1: the borders of a range are numbered 7 to 12.</source>
        <translation>No hay borde número %1: los bordes de un rango se numeran del 7 al 12.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>El portapapeles no contiene ninguna imagen.</translation>
    </message>
    <message>
        <source>A range can only be selected on the active sheet of the active workbook.</source>
        <translation>Un rango solo se puede seleccionar en la hoja activa del libro activo.</translation>
    </message>
    <message>
        <source>%1 is not a horizontal alignment.</source>
        <translation>%1 no es una alineación horizontal.</translation>
    </message>
    <message>
        <source>%1 is not a vertical alignment.</source>
        <translation>%1 no es una alineación vertical.</translation>
    </message>
    <message>
        <source>A number format has at most 255 characters.</source>
        <translation>Un formato de número tiene como máximo 255 caracteres.</translation>
    </message>
    <message>
        <source>A row height is 0 to 409 points, not %1.</source>
        <translation>Un alto de fila va de 0 a 409 puntos, no %1.</translation>
    </message>
    <message>
        <source>The height of every row of the sheet cannot be set at once.</source>
        <translation>No se puede establecer a la vez el alto de todas las filas de la hoja.</translation>
    </message>
    <message>
        <source>A column width is 0 to 255 characters, not %1.</source>
        <translation>Un ancho de columna va de 0 a 255 caracteres, no %1.</translation>
    </message>
    <message>
        <source>A formula can be entered into cells, not into whole rows or columns.</source>
        <translation>Una fórmula se introduce en celdas, no en filas o columnas enteras.</translation>
    </message>
    <message>
        <source>The picture of the range %1 could not be made.</source>
        <translation>No se pudo crear la imagen del rango %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a font name.</source>
        <translation>«%1» no es un nombre de fuente.</translation>
    </message>
    <message>
        <source>A font size is 1 to 409 points, not %1.</source>
        <translation>Un tamaño de fuente va de 1 a 409 puntos, no %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a font style; use Regular, Bold, Italic or Bold Italic.</source>
        <translation>«%1» no es un estilo de fuente; use Regular, Bold, Italic o Bold Italic.</translation>
    </message>
    <message>
        <source>%1 is not a font colour index.</source>
        <translation>%1 no es un índice de color de fuente.</translation>
    </message>
    <message>
        <source>%1 is not a fill colour index.</source>
        <translation>%1 no es un índice de color de relleno.</translation>
    </message>
    <message>
        <source>%1 is not a border line style.</source>
        <translation>%1 no es un estilo de línea de borde.</translation>
    </message>
    <message>
        <source>%1 is not a border colour index.</source>
        <translation>%1 no es un índice de color de borde.</translation>
    </message>
    <message>
        <source>The workbook %1 has no sheets.</source>
        <translation>El libro %1 no tiene hojas.</translation>
    </message>
    <message>
        <source>File format %1 cannot be written; only the Excel 97-2003 workbook (56 or -4143) can.</source>
        <translation>No se puede escribir el formato de archivo %1; solo el libro de Excel 97-2003 (56 o -4143).</translation>
    </message>
    <message>
        <source>A workbook cannot be saved without a file name.</source>
        <translation>No se puede guardar un libro sin nombre de archivo.</translation>
    </message>
    <message>
        <source>The worksheet has been deleted.</source>
        <translation>La hoja de cálculo se ha eliminado.</translation>
    </message>
    <message>
        <source>%1 cannot be %2 points.</source>
        <translation>%1 no puede ser %2 puntos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a range address for the print area.</source>
        <translation>«%1» no es una dirección de rango para el área de impresión.</translation>
    </message>
    <message>
        <source>PrintComments cannot be %1; it is -4142, 1 or 16.</source>
        <translation>PrintComments no puede ser %1; es -4142, 1 o 16.</translation>
    </message>
    <message>
        <source>Orientation cannot be %1; it is 1 or 2.</source>
        <translation>Orientation no puede ser %1; es 1 o 2.</translation>
    </message>
    <message>
        <source>There is no paper size %1.</source>
        <translation>No existe el tamaño de papel %1.</translation>
    </message>
    <message>
        <source>Zoom is False or a percentage from 10 to 400, not True.</source>
        <translation>Zoom es False o un porcentaje de 10 a 400, no True.</translation>
    </message>
    <message>
        <source>Zoom is False or a percentage from 10 to 400, not %1.</source>
        <translation>Zoom es False o un porcentaje de 10 a 400, no %1.</translation>
    </message>
    <message>
        <source>FitToPagesWide cannot be %1.</source>
        <translation>FitToPagesWide no puede ser %1.</translation>
    </message>
    <message>
        <source>FitToPagesTall cannot be %1.</source>
        <translation>FitToPagesTall no puede ser %1.</translation>
    </message>
    <message>
        <source>The formula is too long to be saved in an Excel 97-2003 workbook.</source>
        <translation>La fórmula es demasiado larga para guardarse en un libro de Excel 97-2003.</translation>
    </message>
    <message>
        <source>The formula refers to a cell outside the worksheet.</source>
        <translation>La fórmula hace referencia a una celda fuera de la hoja.</translation>
    </message>
    <message>
        <source>The formula holds a number that cannot be saved.</source>
        <translation>La fórmula contiene un número que no se puede guardar.</translation>
    </message>
    <message>
        <source>A text in the formula is longer than 255 characters.</source>
        <translation>Un texto de la fórmula supera los 255 caracteres.</translation>
    </message>
    <message>
        <source>The function %1 cannot be saved in an Excel 97-2003 workbook.</source>
        <translation>La función %1 no se puede guardar en un libro de Excel 97-2003.</translation>
    </message>
    <message>
        <source>The function %1 has a wrong number of arguments.</source>
        <translation>La función %1 tiene un número de argumentos incorrecto.</translation>
    </message>
    <message>
        <source>The formula is malformed.</source>
        <translation>La fórmula está mal formada.</translation>
    </message>
    <message>
        <source>The formula is too complex.</source>
        <translation>La fórmula es demasiado compleja.</translation>
    </message>
    <message>
        <source>The formula is longer than %1 characters.</source>
        <translation>La fórmula supera los %1 caracteres.</translation>
    </message>
    <message>
        <source>The formula is empty.</source>
        <translation>La fórmula está vacía.</translation>
    </message>
    <message>
        <source>The formula ends too early.</source>
        <translation>La fórmula termina demasiado pronto.</translation>
    </message>
    <message>
        <source>The formula has an unexpected &quot;%1&quot;.</source>
        <translation>La fórmula tiene un «%1» inesperado.</translation>
    </message>
    <message>
        <source>The formula is nested too deeply.</source>
        <translation>La fórmula está anidada demasiado.</translation>
    </message>
    <message>
        <source>A parenthesis is not closed.</source>
        <translation>Un paréntesis no está cerrado.</translation>
    </message>
    <message>
        <source>A text in the formula has no closing quotation mark.</source>
        <translation>Un texto de la fórmula no tiene comillas de cierre.</translation>
    </message>
    <message>
        <source>A text in a formula can hold at most %1 characters.</source>
        <translation>Un texto en una fórmula admite como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation>El número %1 es demasiado grande.</translation>
    </message>
    <message>
        <source>References to other sheets are not supported.</source>
        <translation>No se admiten referencias a otras hojas.</translation>
    </message>
    <message>
        <source>The formula uses an unknown name: %1.</source>
        <translation>La fórmula usa un nombre desconocido: %1.</translation>
    </message>
    <message>
        <source>The formula uses an unknown function: %1.</source>
        <translation>La fórmula usa una función desconocida: %1.</translation>
    </message>
    <message>
        <source>The function %1 has too many arguments.</source>
        <translation>La función %1 tiene demasiados argumentos.</translation>
    </message>
    <message>
        <source>The function %1 takes %2 argument(s).</source>
        <translation>La función %1 admite %2 argumento(s).</translation>
    </message>
    <message>
        <source>The function %1 takes %2 to %3 arguments.</source>
        <translation>La función %1 admite de %2 a %3 argumentos.</translation>
    </message>
    <message>
        <source>The reference %1 points outside the sheet.</source>
        <translation>La referencia %1 apunta fuera de la hoja.</translation>
    </message>
    <message>
        <source>The range %1 is not valid.</source>
        <translation>El rango %1 no es válido.</translation>
    </message>
    <message>
        <source>A sheet name cannot be empty.</source>
        <translation>Un nombre de hoja no puede estar vacío.</translation>
    </message>
    <message>
        <source>A sheet name cannot be longer than 31 characters.</source>
        <translation>Un nombre de hoja no puede tener más de 31 caracteres.</translation>
    </message>
    <message>
        <source>A sheet name cannot contain any of these characters: : \ / ? * [ ]</source>
        <translation>Un nombre de hoja no puede contener ninguno de estos caracteres: : \ / ? * [ ]</translation>
    </message>
    <message>
        <source>A sheet name cannot begin or end with an apostrophe.</source>
        <translation>Un nombre de hoja no puede empezar ni terminar con un apóstrofo.</translation>
    </message>
    <message>
        <source>Cannot rename a sheet to the same name as another sheet.</source>
        <translation>No se puede dar a una hoja el nombre de otra hoja.</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>A workbook must contain at least one visible worksheet.</source>
        <translation>Un libro debe contener al menos una hoja de cálculo visible.</translation>
    </message>
    <message>
        <source>The range to picture lies outside the sheet.</source>
        <translation>El rango que se quiere representar está fuera de la hoja.</translation>
    </message>
    <message>
        <source>The range to picture has no visible cells.</source>
        <translation>El rango que se quiere representar no tiene celdas visibles.</translation>
    </message>
    <message>
        <source>The sheet has nothing to print.</source>
        <translation>La hoja no tiene nada que imprimir.</translation>
    </message>
    <message>
        <source>Printing the sheet needs the graphical application to be running.</source>
        <translation>Para imprimir la hoja debe estar en marcha la aplicación gráfica.</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>No se pudieron imprimir las páginas.</translation>
    </message>
    <message>
        <source>The PDF cannot be saved to %1: %2</source>
        <translation>No se puede guardar el PDF en %1: %2</translation>
    </message>
    <message>
        <source>Measuring text needs the graphical application to be running.</source>
        <translation>Para medir texto debe estar en marcha la aplicación gráfica.</translation>
    </message>
    <message>
        <source>A picture of the sheet needs the graphical application to be running.</source>
        <translation>Para una imagen de la hoja debe estar en marcha la aplicación gráfica.</translation>
    </message>
    <message>
        <source>Painting the sheet needs the graphical application to be running.</source>
        <translation>Para dibujar la hoja debe estar en marcha la aplicación gráfica.</translation>
    </message>
    <message>
        <source>The picture file is damaged: %1.</source>
        <translation>El archivo de imagen está dañado: %1.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The picture could not be written: %1</source>
        <translation>No se pudo escribir la imagen: %1</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file.</source>
        <translation>La imagen es demasiado grande para un archivo BMP.</translation>
    </message>
    <message>
        <source>The picture could not be compressed.</source>
        <translation>No se pudo comprimir la imagen.</translation>
    </message>
    <message>
        <source>There is no picture to write.</source>
        <translation>No hay ninguna imagen que escribir.</translation>
    </message>
    <message>
        <source>A picture is written as BMP or PNG only.</source>
        <translation>Una imagen solo se escribe como BMP o PNG.</translation>
    </message>
    <message>
        <source>The workbook could not be packed into its file container.</source>
        <translation>No se pudo empaquetar el libro en su contenedor de archivo.</translation>
    </message>
    <message>
        <source>The file is not a readable workbook: its container is damaged (%1).</source>
        <translation>El archivo no es un libro legible: su contenedor está dañado (%1).</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook.</source>
        <translation>El archivo no es un libro de Excel 97-2003.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook: it holds no workbook data.</source>
        <translation>El archivo no es un libro de Excel 97-2003: no contiene datos de libro.</translation>
    </message>
    <message>
        <source>The workbook cannot be written: a record is longer than the file format allows.</source>
        <translation>No se puede escribir el libro: un registro es más largo de lo que permite el formato.</translation>
    </message>
    <message>
        <source>The file is damaged: the workbook data ends in the middle of a record.</source>
        <translation>El archivo está dañado: los datos del libro terminan en mitad de un registro.</translation>
    </message>
    <message>
        <source>The workbook file is damaged: %1.</source>
        <translation>El archivo del libro está dañado: %1.</translation>
    </message>
    <message>
        <source>a text is cut short</source>
        <translation>un texto está cortado</translation>
    </message>
    <message>
        <source>The workbook is protected with a password and cannot be opened.</source>
        <translation>El libro está protegido con contraseña y no se puede abrir.</translation>
    </message>
    <message>
        <source>the workbook data ends early</source>
        <translation>los datos del libro terminan demasiado pronto</translation>
    </message>
    <message>
        <source>The workbook was saved in a format older than Excel 97-2003, which cannot be read.</source>
        <translation>El libro se guardó en un formato anterior a Excel 97-2003, que no se puede leer.</translation>
    </message>
    <message>
        <source>The workbook holds no worksheet.</source>
        <translation>El libro no contiene ninguna hoja de cálculo.</translation>
    </message>
    <message>
        <source>two sheets share their data</source>
        <translation>dos hojas comparten sus datos</translation>
    </message>
    <message>
        <source>a sheet lies outside the file</source>
        <translation>una hoja está fuera del archivo</translation>
    </message>
    <message>
        <source>a sheet does not start where the workbook says</source>
        <translation>una hoja no empieza donde indica el libro</translation>
    </message>
    <message>
        <source>a sheet ends early</source>
        <translation>una hoja termina demasiado pronto</translation>
    </message>
    <message>
        <source>a cell refers to a missing shared text</source>
        <translation>una celda hace referencia a un texto compartido que falta</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be opened: %2</source>
        <translation>No se puede abrir el libro %1: %2</translation>
    </message>
    <message>
        <source>The workbook uses more cell formats than an Excel 97-2003 workbook can hold.</source>
        <translation>El libro usa más formatos de celda de los que admite un libro de Excel 97-2003.</translation>
    </message>
    <message>
        <source>A cell refers to a format the workbook does not hold.</source>
        <translation>Una celda hace referencia a un formato que el libro no contiene.</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters, more than an Excel 97-2003 workbook can hold.</source>
        <translation>Una celda contiene más de 32.767 caracteres, más de lo que admite un libro de Excel 97-2003.</translation>
    </message>
    <message>
        <source>A workbook must contain at least one worksheet.</source>
        <translation>Un libro debe contener al menos una hoja de cálculo.</translation>
    </message>
    <message>
        <source>The workbook cannot be saved to %1: %2</source>
        <translation>No se puede guardar el libro en %1: %2</translation>
    </message>
    <message>
        <source>The workbook package could not be read back.</source>
        <translation>No se pudo volver a leer el paquete del libro.</translation>
    </message>
    <message>
        <source>The workbook could not be packed into its zip file.</source>
        <translation>No se pudo comprimir el libro en su archivo zip.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1 in %2 %3.</source>
        <translation>No se pudo escribir el libro: %1 en %2 %3.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1</source>
        <translation>No se pudo escribir el libro: %1</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters, more than an Excel workbook can hold.</source>
        <translation>Una celda contiene más de 32.767 caracteres, más de lo que admite un libro de Excel.</translation>
    </message>
    <message>
        <source>The sheet name %1 cannot be written.</source>
        <translation>No se puede escribir el nombre de hoja %1.</translation>
    </message>
    <message>
        <source>The file is damaged: a record ends before its data.</source>
        <translation>El archivo está dañado: un registro termina antes que sus datos.</translation>
    </message>
</context>
<context>
    <name>StepTrap</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>StoredInputs</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
</context>
<context>
    <name>SummaryChart</name>
    <message>
        <source>Claimed</source>
        <translation>Reclamado</translation>
    </message>
    <message>
        <source>Not yet claimed</source>
        <translation>Aún no reclamado</translation>
    </message>
</context>
<context>
    <name>TaxYear</name>
    <message>
        <source>There is no month %1.</source>
        <translation>No hay mes %1.</translation>
    </message>
    <message>
        <source>%1 has no day %2.</source>
        <translation>%1 no tiene día %2.</translation>
    </message>
    <message>
        <source>A tax year cannot start on 29 February, which most years lack.</source>
        <translation>Un año fiscal no puede empezar el 29 de febrero, que la mayoría de los años no tiene.</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>Cannot create the temporary folder %1</source>
        <translation>No se puede crear la carpeta temporal %1</translation>
    </message>
    <message>
        <source>The temporary folder %1 is not a private folder of this user</source>
        <translation>La carpeta temporal %1 no es una carpeta privada de este usuario</translation>
    </message>
    <message>
        <source>Cannot protect the temporary folder %1</source>
        <translation>No se puede proteger la carpeta temporal %1</translation>
    </message>
</context>
<context>
    <name>TripBook</name>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n viaje</numerusform>
            <numerusform>%n viajes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 → %2: %3</source>
        <translation>%1 → %2: %3</translation>
    </message>
    <message>
        <source>%1 → %2: %3 %4, %5</source>
        <translation>%1 → %2: %3 %4, %5</translation>
    </message>
</context>
<context>
    <name>TripChecks</name>
    <message>
        <source>Reimbursement %1 is not %2 × %3 = %4</source>
        <translation>El importe %1 no es %2 × %3 = %4</translation>
    </message>
    <message>
        <source>The trip has no Date.</source>
        <translation>El viaje no tiene fecha.</translation>
    </message>
    <message>
        <source>Date is not a date.</source>
        <translation>La fecha no es una fecha.</translation>
    </message>
    <message>
        <source>Date lies outside the period %1 to %2.</source>
        <translation>La fecha está fuera del período del %1 al %2.</translation>
    </message>
    <message>
        <source>Odometer Start is not a number.</source>
        <translation>Odómetro inicial no es un número.</translation>
    </message>
    <message>
        <source>Odometer End is not a number.</source>
        <translation>Odómetro final no es un número.</translation>
    </message>
    <message>
        <source>Odometer End is below Odometer Start.</source>
        <translation>Odómetro final es menor que Odómetro inicial.</translation>
    </message>
    <message>
        <source>Mileage %1 differs from Odometer End - Odometer Start (%2).</source>
        <translation>La distancia %1 difiere de Odómetro final − Odómetro inicial (%2).</translation>
    </message>
    <message>
        <source>Odometer Start is below the previous row&apos;s Odometer End (%1).</source>
        <translation>Odómetro inicial es menor que el Odómetro final de la fila anterior (%1).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Row %1: %2</source>
        <translation><byte value="xd"/>
Fila %1: %2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Create the report anyway?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
¿Crear el informe de todos modos?</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) carry a warning:</source>
        <translation>
            <numerusform>%n fila tiene un aviso:</numerusform>
            <numerusform>%n filas tienen un aviso:</numerusform>
        </translation>
    </message>
    <message>
        <source>This rate is not a number: no Reimbursement is filled in or checked from it. The form shows it as typed.</source>
        <translation>Esta tarifa no es un número: no se rellena ni se comprueba ningún importe con ella. La hoja de gastos la muestra tal como se escribió.</translation>
    </message>
    <message>
        <source>Reimbursement %1 is not %2 at its rates by distance = %3</source>
        <translation>El reembolso %1 no es %2 a sus tarifas por distancia = %3</translation>
    </message>
</context>
<context>
    <name>TripsCsv</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>hay texto tras una comilla de cierre</translation>
    </message>
    <message>
        <source>%1 fields where the first line names %2</source>
        <translation>%1 campos donde la primera línea nombra %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>«%1» no es una fecha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» no es un número</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>más de %1 caracteres</translation>
    </message>
    <message>
        <source>The first line names none of the columns %1.</source>
        <translation>La primera línea no nombra ninguna de las columnas %1.</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>sin fecha</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>sin número</translation>
    </message>
    <message>
        <source>The first line does not name the columns From and Rate.</source>
        <translation>La primera línea no nombra las columnas From y Rate.</translation>
    </message>
    <message>
        <source>a second change on %1</source>
        <translation>un segundo cambio el %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <translation>línea %1, %2: %3</translation>
    </message>
    <message>
        <source>a distance cannot be below 0</source>
        <translation>una distancia no puede ser menor que 0</translation>
    </message>
    <message>
        <source>a rate cannot be below 0</source>
        <translation>una tarifa no puede ser menor que 0</translation>
    </message>
    <message>
        <source>a second change at %1 on %2</source>
        <translation>un segundo cambio en %1 el %2</translation>
    </message>
</context>
<context>
    <name>bw::ClaimHistoryDialog</name>
    <message>
        <source>Claim History</source>
        <translation>Historial de hojas de gastos</translation>
    </message>
    <message>
        <source>Claims</source>
        <translation>Hojas de gastos</translation>
    </message>
    <message>
        <source>The log holds no claims yet: a report saved or printed from the preview becomes one.</source>
        <translation>El registro aún no tiene hojas de gastos: cada hoja guardada o impresa desde la vista previa pasa a ser una.</translation>
    </message>
    <message>
        <source>Chain head</source>
        <translation>Cabeza de la cadena</translation>
    </message>
    <message>
        <source>The checksum over every claim and every recorded change; keep it to prove later that the history was not changed.</source>
        <translation>La suma de comprobación de todas las hojas de gastos y de todos los cambios registrados; consérvela para demostrar más adelante que el historial no se modificó.</translation>
    </message>
    <message>
        <source>Checking the history…</source>
        <translation>Comprobando el historial…</translation>
    </message>
    <message>
        <source>&amp;Save Again As…</source>
        <translation>&amp;Guardar de nuevo como…</translation>
    </message>
    <message>
        <source>Makes the chosen claim&apos;s report again, as it was, into a file you choose.</source>
        <translation>Vuelve a crear la hoja de gastos elegida, tal como era, en el archivo que usted elija.</translation>
    </message>
    <message>
        <source>&amp;Export Trips to CSV…</source>
        <translation>&amp;Exportar viajes a CSV…</translation>
    </message>
    <message>
        <source>Writes the chosen claim&apos;s trips to a CSV file.</source>
        <translation>Escribe los viajes de la hoja de gastos elegida en un archivo CSV.</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Abrir carpeta</translation>
    </message>
    <message>
        <source>Opens the folder of the chosen claim&apos;s saved file.</source>
        <translation>Abre la carpeta del archivo guardado de la hoja de gastos elegida.</translation>
    </message>
    <message>
        <source>Mark as &amp;Paid</source>
        <translation>Marcar como &amp;pagada</translation>
    </message>
    <message>
        <source>Records that the chosen claim was paid.</source>
        <translation>Registra que la hoja de gastos elegida se pagó.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Claims, newest first:</source>
        <translation>&amp;Hojas de gastos, las más recientes primero:</translation>
    </message>
    <message>
        <source>C&amp;hain head:</source>
        <translation>&amp;Cabeza de la cadena:</translation>
    </message>
    <message>
        <source>The claims cannot be read. %1</source>
        <translation>No se pueden leer las hojas de gastos. %1</translation>
    </message>
    <message>
        <source>The history could not be checked. %1</source>
        <translation>No se pudo comprobar el historial. %1</translation>
    </message>
    <message>
        <source>There is no history to check yet.</source>
        <translation>Aún no hay historial que comprobar.</translation>
    </message>
    <message>
        <source>The history does not hold: %1 fails. The log was changed outside the program.</source>
        <translation>El historial no es íntegro: %1 falla. El registro se modificó fuera del programa.</translation>
    </message>
    <message>
        <source>No claim is chosen.</source>
        <translation>No hay ninguna hoja de gastos elegida.</translation>
    </message>
    <message>
        <source>The claim was printed, not saved to a file.</source>
        <translation>La hoja de gastos se imprimió, no se guardó en un archivo.</translation>
    </message>
    <message>
        <source>The trip log is open read-only, so no claim can be marked paid.</source>
        <translation>El registro de viajes está abierto en solo lectura; no se puede marcar ninguna hoja de gastos como pagada.</translation>
    </message>
    <message>
        <source>Marked paid %1.</source>
        <translation>Marcada como pagada el %1.</translation>
    </message>
    <message>
        <source>Save Again As</source>
        <translation>Guardar de nuevo como</translation>
    </message>
    <message>
        <source>claim %1.%2</source>
        <translation>hoja de gastos %1.%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>«%1» ya existe.<byte value="xd"/>
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;. %2</source>
        <translation>No se pudo guardar la hoja de gastos como «%1». %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Export Trips to CSV</source>
        <translation>Exportar viajes a CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>claim %1 trips.csv</source>
        <translation>hoja de gastos %1 viajes.csv</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>The folder of the claim&apos;s file is gone.</source>
        <translation>La carpeta del archivo de la hoja de gastos ya no existe.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir la carpeta «%1».</translation>
    </message>
    <message>
        <source>Claim %1 could not be marked paid. %2</source>
        <translation>No se pudo marcar como pagada la hoja de gastos %1. %2</translation>
    </message>
    <message>
        <source>Claim History…</source>
        <translation>Historial de hojas de gastos…</translation>
    </message>
    <message>
        <source>The history holds: %1 and %2 checked.</source>
        <translation>El historial es íntegro: %1 y %2 comprobados.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln claim(s)</source>
        <translation>
            <numerusform>%Ln hoja de gastos</numerusform>
            <numerusform>%Ln hojas de gastos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln link(s)</source>
        <translation>
            <numerusform>%Ln eslabón</numerusform>
            <numerusform>%Ln eslabones</numerusform>
        </translation>
    </message>
    <message>
        <source>Mark as &amp;Unpaid</source>
        <translation>Marcar como &amp;no pagada</translation>
    </message>
    <message>
        <source>Takes back the chosen claim&apos;s paid mark.</source>
        <translation>Retira la marca de pagada de la hoja de gastos elegida.</translation>
    </message>
    <message>
        <source>Mark claim %1 (%2) as paid today?</source>
        <translation>¿Marcar la hoja de gastos %1 (%2) como pagada hoy?</translation>
    </message>
    <message>
        <source>Take back the paid mark of claim %1 (%2), made %3? The mark stays in the history, with the claim marked unpaid after it.</source>
        <translation>¿Retirar la marca de pagada de la hoja de gastos %1 (%2), hecha el %3? La marca queda en el historial, seguida de la hoja de gastos marcada como no pagada.</translation>
    </message>
    <message>
        <source>Claim %1 could not be marked unpaid. %2</source>
        <translation>No se pudo marcar como no pagada la hoja de gastos %1. %2</translation>
    </message>
</context>
<context>
    <name>bw::ClaimHistoryModel</name>
    <message>
        <source>printed</source>
        <translation>impresa</translation>
    </message>
    <message>
        <source>%1 (checking…)</source>
        <translation>%1 (comprobando…)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (no está)</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (modificado)</translation>
    </message>
    <message>
        <source>%1 (unreadable)</source>
        <translation>%1 (ilegible)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 al %2</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagada</translation>
    </message>
    <message numerus="yes">
        <source>Claim %1, saved %2, period %3, %n trip(s), total %4</source>
        <translation>
            <numerusform>Hoja de gastos %1, guardada el %2, período %3, %n viaje, total %4</numerusform>
            <numerusform>Hoja de gastos %1, guardada el %2, período %3, %n viajes, total %4</numerusform>
        </translation>
    </message>
    <message>
        <source>, files: %1</source>
        <translation>, archivos: %1</translation>
    </message>
    <message>
        <source>, paid %1</source>
        <translation>, pagada el %1</translation>
    </message>
    <message>
        <source>Marked paid %1</source>
        <translation>Marcada como pagada el %1</translation>
    </message>
    <message>
        <source>%1 miles</source>
        <translation>%1 millas</translation>
    </message>
    <message>
        <source>Claim</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Viajes</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Paid %1</source>
        <translation>Pagada el %1</translation>
    </message>
</context>
<context>
    <name>bw::DatabaseRateStore</name>
    <message>
        <source>The trip log is open read-only, so changes to it are not kept.</source>
        <translation>El registro de viajes está abierto en solo lectura; sus cambios no se guardan.</translation>
    </message>
</context>
<context>
    <name>bw::DriveReviewModel</name>
    <message>
        <source>This trip is in the log already.</source>
        <translation>Este viaje ya está en el registro.</translation>
    </message>
    <message>
        <source>Not named yet: type the place&apos;s name to name every drive that starts or ends there.</source>
        <translation>Aún sin nombre: escriba el nombre del lugar para nombrar cada trayecto que empieza o termina allí.</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>De trabajo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilómetros</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Millas</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>bw::DrivesDialog</name>
    <message>
        <source>Import Drives</source>
        <translation>Importar trayectos</translation>
    </message>
    <message>
        <source>Tracks and Timeline Exports (*.gpx *.json)</source>
        <translation>Tracks y exportaciones de Timeline (*.gpx *.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No more trips fit.</source>
        <translation>No caben más viajes.</translation>
    </message>
    <message>
        <source>Drives found</source>
        <translation>Trayectos encontrados</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Archivos: %1</translation>
    </message>
    <message>
        <source>The place is used here but not kept for later imports: %1</source>
        <translation>El lugar se usa aquí pero no se guarda para importaciones posteriores: %1</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>Marcar &amp;todos</translation>
    </message>
    <message>
        <source>Check &amp;None</source>
        <translation>Marcar &amp;ninguno</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Del:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>Check &amp;Business Hours</source>
        <translation>Marcar &amp;horario laboral</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> km</source>
        <translation> km</translation>
    </message>
    <message>
        <source> mi</source>
        <translation> mi</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Add %n Trip(s)</source>
        <translation>
            <numerusform>&amp;Añadir %n viaje</numerusform>
            <numerusform>&amp;Añadir %n viajes</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the drives…</source>
        <translation>Leyendo los trayectos…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No drives were imported. %1</source>
        <translation>No se importó ningún trayecto. %1</translation>
    </message>
    <message numerus="yes">
        <source>Only %n more trip(s) fit: uncheck some drives.</source>
        <translation>
            <numerusform>Solo cabe %n viaje más: desmarque algunos trayectos.</numerusform>
            <numerusform>Solo caben %n viajes más: desmarque algunos trayectos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Drives…</source>
        <translation>Importar trayectos…</translation>
    </message>
    <message>
        <source>A &amp;stop that ends a drive:</source>
        <translation>Una &amp;parada que termina un trayecto:</translation>
    </message>
    <message>
        <source>The shortest &amp;drive kept:</source>
        <translation>El trayecto más &amp;corto que se guarda:</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s) found</source>
        <translation>
            <numerusform>%n trayecto encontrado</numerusform>
            <numerusform>%n trayectos encontrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n mostrado</numerusform>
            <numerusform>%n mostrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them in the log already</source>
        <translation>
            <numerusform>%n de ellos ya en el registro</numerusform>
            <numerusform>%n de ellos ya en el registro</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::Form1</name>
    <message>
        <source>The daily backup of the trip log could not be made. %1</source>
        <translation>No se pudo hacer la copia diaria del registro de viajes. %1</translation>
    </message>
    <message>
        <source>The trip log could not be backed up before this change. %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>No se pudo hacer copia del registro antes de este cambio. %1<byte value="xd"/>
<byte value="xd"/>
¿Continuar sin copia?</translation>
    </message>
    <message>
        <source>The trip log is read-only.</source>
        <translation>El registro de viajes es de solo lectura.</translation>
    </message>
    <message>
        <source>The backup was written by a newer version of the program.</source>
        <translation>La copia la escribió una versión más reciente del programa.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Load Sample</source>
        <translation>Cargar ejemplo</translation>
    </message>
    <message>
        <source>Duplicate Trip</source>
        <translation>Duplicar viaje</translation>
    </message>
    <message>
        <source>Add Return Trip</source>
        <translation>Añadir viaje de vuelta</translation>
    </message>
    <message>
        <source>Add Frequent Trip</source>
        <translation>Añadir viaje frecuente</translation>
    </message>
    <message>
        <source>No routes yet</source>
        <translation>Aún no hay rutas</translation>
    </message>
    <message>
        <source>No trip was added.</source>
        <translation>No se añadió ningún viaje.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Insert Below Selected Row</source>
        <translation>Insertar bajo la fila elegida</translation>
    </message>
    <message>
        <source>Delete Selected Row</source>
        <translation>Eliminar la fila elegida</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>The last change to the trips could not be saved. %1</source>
        <translation>No se pudo guardar el último cambio de los viajes. %1</translation>
    </message>
    <message>
        <source>Recalculate Reimbursements</source>
        <translation>Recalcular importes</translation>
    </message>
    <message>
        <source>The rates by date could not be read: %1</source>
        <translation>No se pudieron leer las tarifas por fecha: %1</translation>
    </message>
    <message>
        <source>The rates by date were not kept: %1</source>
        <translation>No se guardaron las tarifas por fecha: %1</translation>
    </message>
    <message>
        <source>Every Reimbursement is already its Mileage × its rate.</source>
        <translation>Cada importe ya es su distancia × su tarifa.</translation>
    </message>
    <message>
        <source>Recalculate them?</source>
        <translation>¿Recalcularlos?</translation>
    </message>
    <message>
        <source>Import Trips from CSV...</source>
        <translation>Importar viajes de CSV...</translation>
    </message>
    <message>
        <source>Export Trips to CSV...</source>
        <translation>Exportar viajes a CSV...</translation>
    </message>
    <message>
        <source>Import of Trips</source>
        <translation>Importación de viajes</translation>
    </message>
    <message>
        <source>To enter Description select row and type Description. Then press Enter to finish changes.</source>
        <translation>Elija la fila, escriba el motivo y pulse Intro para terminar.</translation>
    </message>
    <message>
        <source>Start Creating Template</source>
        <translation>Crear hoja de gastos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Cargar datos de ejemplo</translation>
    </message>
    <message>
        <source>Employee Data</source>
        <translation>Datos del empleado</translation>
    </message>
    <message>
        <source>Employee Name:</source>
        <translation>Empleado:</translation>
    </message>
    <message>
        <source>Employee ID:</source>
        <translation>N.º empleado:</translation>
    </message>
    <message>
        <source>Vehicle Description:</source>
        <translation>Vehículo:</translation>
    </message>
    <message>
        <source>Authorized By:</source>
        <translation>Autorizado por:</translation>
    </message>
    <message>
        <source>Rate per Mile:</source>
        <translation>Tarifa/milla:</translation>
    </message>
    <message>
        <source>For Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Del:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Al:</translation>
    </message>
    <message>
        <source>Mileage Log Data</source>
        <translation>Registro de viajes</translation>
    </message>
    <message>
        <source>Do you really want delete this row ?<byte value="xd"/>
(%1)</source>
        <translation>¿Seguro que desea eliminar esta fila?<byte value="xd"/>
(%1)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Row deleted.</source>
        <translation>Fila eliminada.</translation>
    </message>
    <message>
        <source>No row was inserted.</source>
        <translation>No se insertó ninguna fila.</translation>
    </message>
    <message>
        <source>Do you really want clear ?</source>
        <translation>¿Seguro que desea borrar todo?</translation>
    </message>
    <message>
        <source>The stored row count is %1; %2 blank rows were made.</source>
        <translation>El número de filas guardado es %1; se crearon %2 filas vacías.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Varnholt at </source>
        <translation>¿Preguntas? Contacte con el equipo Varnholt en </translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Import Trips from CSV</source>
        <translation>Importar viajes de CSV</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Trips to CSV</source>
        <translation>Exportar viajes a CSV</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>No trips were imported from &quot;%1&quot;. %2</source>
        <translation>No se importó ningún viaje de «%1». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no trips.</source>
        <translation>«%1» no contiene viajes.</translation>
    </message>
    <message>
        <source>No line of &quot;%1&quot; can be imported:<byte value="xd"/>
%2</source>
        <translation>Ninguna línea de «%1» se puede importar:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>No more trips fit.</source>
        <translation>No caben más viajes.</translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; cannot be imported:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>%1 de «%2» no se pueden importar:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>«%1» ya existe.<byte value="xd"/>
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Start New Period…</source>
        <translation>Iniciar nuevo período…</translation>
    </message>
    <message>
        <source>The report was printed, but no claim of it was recorded. %1</source>
        <translation>La hoja de gastos se imprimió, pero no se registró. %1</translation>
    </message>
    <message>
        <source>The report was saved, but no claim of it was recorded. %1</source>
        <translation>La hoja de gastos se guardó, pero no se registró. %1</translation>
    </message>
    <message>
        <source>The trip log is open read-only.</source>
        <translation>El registro de viajes está abierto en solo lectura.</translation>
    </message>
    <message>
        <source>The report was printed, but its claim could not be recorded. %1</source>
        <translation>La hoja de gastos se imprimió, pero no se pudo registrar. %1</translation>
    </message>
    <message>
        <source>The report was saved, but its claim could not be recorded. %1</source>
        <translation>La hoja de gastos se guardó, pero no se pudo registrar. %1</translation>
    </message>
    <message>
        <source>No trip in the grid was claimed: there is nothing to move to the history.</source>
        <translation>Ningún viaje de la tabla se ha incluido en una hoja de gastos: no hay nada que pasar al historial.</translation>
    </message>
    <message>
        <source>The claims could not be read. %1</source>
        <translation>No se pudieron leer las hojas de gastos. %1</translation>
    </message>
    <message>
        <source>Start New Period</source>
        <translation>Iniciar nuevo período</translation>
    </message>
    <message>
        <source>Distances in Kilometres</source>
        <translation>Distancias en kilómetros</translation>
    </message>
    <message>
        <source>Distances in Miles</source>
        <translation>Distancias en millas</translation>
    </message>
    <message>
        <source>Currency: %1</source>
        <translation>Moneda: %1</translation>
    </message>
    <message>
        <source>The distance unit and currency were not kept: %1</source>
        <translation>No se guardaron la unidad de distancia ni la moneda: %1</translation>
    </message>
    <message>
        <source>Rate per Kilometre:</source>
        <translation>Tarifa/km:</translation>
    </message>
    <message>
        <source>Rate per Kilometre</source>
        <translation>Tarifa/km</translation>
    </message>
    <message>
        <source>Rate per Mile</source>
        <translation>Tarifa/milla</translation>
    </message>
    <message numerus="yes">
        <source>%n claimed trip(s) will move out of the grid into the history, and the period will start on %1. Start a new period?</source>
        <translation>
            <numerusform>%n viaje ya incluido pasará de la tabla al historial, y el período empezará el %1. ¿Iniciar un nuevo período?</numerusform>
            <numerusform>%n viajes ya incluidos pasarán de la tabla al historial, y el período empezará el %1. ¿Iniciar un nuevo período?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 sample trips were not added.</source>
        <translation>
            <numerusform>%n de los %1 viajes de ejemplo no se añadió.</numerusform>
            <numerusform>%n de los %1 viajes de ejemplo no se añadieron.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reimbursement(s) change(s) to their Mileage × their rate.</source>
        <translation>
            <numerusform>%n importe pasa a su distancia × su tarifa.</numerusform>
            <numerusform>%n importes pasan a su distancia × su tarifa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of the %n trip(s) fit.</source>
        <translation>
            <numerusform>Solo cabe %1 de %n viaje.</numerusform>
            <numerusform>Solo caben %1 de los %n viajes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the %n good trip(s)? No imports nothing.</source>
        <translation>
            <numerusform>¿Importar el %n viaje correcto? No, no importa nada.</numerusform>
            <numerusform>¿Importar los %n viajes correctos? No, no importa nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import of Drives</source>
        <translation>Importación de trayectos</translation>
    </message>
</context>
<context>
    <name>bw::Form2</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Guardar como archivo Excel</translation>
    </message>
    <message>
        <source>There is no workbook to save.</source>
        <translation>No hay ningún libro que guardar.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Seguro que desea sobrescribir %1?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
</context>
<context>
    <name>bw::LogTableModel</name>
    <message>
        <source>%1 takes a number, for example %2</source>
        <translation>%1 admite un número, por ejemplo %2</translation>
    </message>
    <message>
        <source>From the route %1 → %2 (%3 km)</source>
        <translation>Según la ruta %1 → %2 (%3 km)</translation>
    </message>
    <message>
        <source>From the route %1 → %2 (%3 mi)</source>
        <translation>Según la ruta %1 → %2 (%3 mi)</translation>
    </message>
</context>
<context>
    <name>bw::LogsWindow</name>
    <message>
        <source>&amp;Name of the log:</source>
        <translation>&amp;Nombre del registro:</translation>
    </message>
    <message>
        <source>Name of the log</source>
        <translation>Nombre del registro</translation>
    </message>
    <message>
        <source>&amp;Copy the open log&apos;s employee data, rates, unit and currency</source>
        <translation>&amp;Copiar los datos del empleado, las tarifas, la unidad y la moneda del registro abierto</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Logs you &amp;keep:</source>
        <translation>Sus re&amp;gistros:</translation>
    </message>
    <message>
        <source>Each log with its vehicle, its number of trips, its latest trip&apos;s date and its folder. Enter opens the chosen one.</source>
        <translation>Cada registro con su vehículo, su número de viajes, la fecha de su último viaje y su carpeta. Intro abre el elegido.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehículo</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Viajes</translation>
    </message>
    <message>
        <source>Latest trip</source>
        <translation>Último viaje</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;New Log…</source>
        <translation>&amp;Nuevo registro…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>Cambiar nom&amp;bre…</translation>
    </message>
    <message>
        <source>Open Other &amp;File…</source>
        <translation>Abrir otro a&amp;rchivo…</translation>
    </message>
    <message>
        <source>Remove from &amp;List</source>
        <translation>Quitar de la &amp;lista</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mover a la &amp;papelera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>New Log</source>
        <translation>Nuevo registro</translation>
    </message>
    <message>
        <source>Rename Log</source>
        <translation>Cambiar nombre del registro</translation>
    </message>
    <message>
        <source>Open Other Log</source>
        <translation>Abrir otro registro</translation>
    </message>
    <message>
        <source>Logs (*.sqlite)</source>
        <translation>Registros (*.sqlite)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The open log cannot be moved to the trash; open another log first.</source>
        <translation>El registro abierto no se puede mover a la papelera; abra antes otro registro.</translation>
    </message>
    <message>
        <source>Move the log %1 (%2) and its files to the trash?</source>
        <translation>¿Mover el registro %1 (%2) y sus archivos a la papelera?</translation>
    </message>
    <message>
        <source>Logs…</source>
        <translation>Registros…</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Carpeta: %1</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>Ca&amp;rpeta…</translation>
    </message>
    <message>
        <source>Choose the folder of the new log</source>
        <translation>Elegir la carpeta del nuevo registro</translation>
    </message>
    <message>
        <source>Folder of the New Log</source>
        <translation>Carpeta del nuevo registro</translation>
    </message>
</context>
<context>
    <name>bw::RatesDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Rates by Date</source>
        <translation>Tarifas por fecha</translation>
    </message>
    <message>
        <source>From each date on, trips are paid at its rate; earlier trips and trips without a date at the Rate per Mile:</source>
        <translation>Desde cada fecha, los viajes se pagan a su tarifa; los anteriores y los que no tienen fecha, a la Tarifa/milla:</translation>
    </message>
    <message>
        <source>Each rate change with the date it applies from. Insert adds one, Delete removes the current one.</source>
        <translation>Cada cambio de tarifa con la fecha desde la que se aplica. Insert añade uno, Supr quita el actual.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tarifa</translation>
    </message>
    <message>
        <source>%1 takes a number, for example %2</source>
        <translation>%1 admite un número, por ejemplo %2</translation>
    </message>
    <message>
        <source>%1 takes a date, for example %2</source>
        <translation>%1 admite una fecha, por ejemplo %2</translation>
    </message>
    <message>
        <source>A rate change from %1 is already listed; each day takes one rate.</source>
        <translation>Ya figura un cambio de tarifa desde el %1; cada día tiene una sola tarifa.</translation>
    </message>
    <message>
        <source>Rates by Date…</source>
        <translation>Tarifas por fecha…</translation>
    </message>
    <message>
        <source>From each date on, trips are paid at its rate; earlier trips and trips without a date at the Rate per Kilometre:</source>
        <translation>Desde cada fecha, los viajes se pagan a su tarifa; los anteriores y los que no tienen fecha, a la Tarifa/km:</translation>
    </message>
    <message>
        <source>Rate (%1 per %2)</source>
        <translation>Tarifa (%1 por %2)</translation>
    </message>
    <message>
        <source>From Distance (%1)</source>
        <translation>Desde la distancia (%1)</translation>
    </message>
    <message>
        <source>From Distance</source>
        <translation>Desde la distancia</translation>
    </message>
    <message>
        <source>A rate change from %1 at %2 is already listed; a date takes one rate for each distance.</source>
        <translation>Ya figura un cambio de tarifa desde el %1 en %2; una fecha tiene una sola tarifa por distancia.</translation>
    </message>
    <message>
        <source>the start of the tax year</source>
        <translation>el inicio del año fiscal</translation>
    </message>
</context>
<context>
    <name>bw::RestoreBackupDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Restore Log from Backup</source>
        <translation>Restaurar registro desde copia</translation>
    </message>
    <message>
        <source>Choose the backup that replaces the log:</source>
        <translation>Elija la copia que sustituye al registro:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Each backup with when it was taken, its number of trips and its latest trip&apos;s date. Enter restores the chosen one.</source>
        <translation>Cada copia con su fecha, su número de viajes y la fecha de su último viaje. Intro restaura la elegida.</translation>
    </message>
    <message>
        <source>Backup taken</source>
        <translation>Copia del</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Viajes</translation>
    </message>
    <message>
        <source>Latest trip</source>
        <translation>Último viaje</translation>
    </message>
    <message>
        <source>There are no backups of the log yet.</source>
        <translation>Aún no hay copias de seguridad del registro.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>The backup of %1 cannot be read; choose another.</source>
        <translation>La copia del %1 no se puede leer; elija otra.</translation>
    </message>
    <message>
        <source>Restore Log from Backup…</source>
        <translation>Restaurar registro desde copia…</translation>
    </message>
    <message>
        <source>Replace the log&apos;s %1 with the %2 of the backup of %3? The current log is backed up first.</source>
        <translation>¿Sustituir el registro (%1) por la copia del %3 (%2)? Antes se hace copia del registro actual.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln trip(s)</source>
        <translation>
            <numerusform>%Ln viaje</numerusform>
            <numerusform>%Ln viajes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::SummaryChart</name>
    <message>
        <source>Distance per month, claimed and not yet claimed</source>
        <translation>Distancia por mes, reclamada y aún no reclamada</translation>
    </message>
</context>
<context>
    <name>bw::SummaryWindow</name>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Summary…</source>
        <translation>Resumen…</translation>
    </message>
    <message>
        <source>&amp;Tax year:</source>
        <translation>&amp;Año fiscal:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Viajes</translation>
    </message>
    <message>
        <source>Distance (%1)</source>
        <translation>Distancia (%1)</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Reembolso</translation>
    </message>
    <message>
        <source>Claimed</source>
        <translation>Reclamado</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Not Yet Claimed</source>
        <translation>Aún no reclamado</translation>
    </message>
    <message>
        <source>Months of the tax year</source>
        <translation>Meses del año fiscal</translation>
    </message>
    <message>
        <source>Most driven routes:</source>
        <translation>Rutas más recorridas:</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Most driven routes</source>
        <translation>Rutas más recorridas</translation>
    </message>
    <message>
        <source>&amp;Starts on:</source>
        <translation>&amp;Empieza el:</translation>
    </message>
    <message>
        <source>Tax year starts on day</source>
        <translation>El año fiscal empieza el día</translation>
    </message>
    <message>
        <source>Tax year starts in month</source>
        <translation>El año fiscal empieza en el mes</translation>
    </message>
    <message>
        <source>6 April (UK)</source>
        <translation>6 de abril (Reino Unido)</translation>
    </message>
    <message>
        <source>1 July (Australia)</source>
        <translation>1 de julio (Australia)</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>The tax year&apos;s start was not changed: %1</source>
        <translation>El inicio del año fiscal no se cambió: %1</translation>
    </message>
    <message>
        <source>Export Summary</source>
        <translation>Exportar resumen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>summary %1.csv</source>
        <translation>resumen %1.csv</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>«%1» ya existe.<byte value="xd"/>
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The summary could not be exported to &quot;%1&quot;. %2</source>
        <translation>No se pudo exportar el resumen a «%1». %2</translation>
    </message>
    <message>
        <source>Summary of the tax year %1</source>
        <translation>Resumen del año fiscal %1</translation>
    </message>
    <message>
        <source>The log is open read-only, so its tax year cannot be changed.</source>
        <translation>El registro está abierto solo para lectura, así que su año fiscal no se puede cambiar.</translation>
    </message>
</context>
<context>
    <name>bw::TripLog</name>
    <message>
        <source>The trip log cannot be kept: %1 Changes to trips are not kept.</source>
        <translation>No se puede guardar el registro de viajes: %1 Los cambios de viajes no se guardan.</translation>
    </message>
    <message>
        <source>The trip log is open in another Brindlewick window. This window shows it read-only; changes to trips are not kept here.</source>
        <translation>El registro de viajes está abierto en otra ventana de Brindlewick. Esta ventana lo muestra en solo lectura; aquí los cambios de viajes no se guardan.</translation>
    </message>
    <message>
        <source>The trip log %1 was written by a newer version of Brindlewick. This version shows it read-only and does not change it.</source>
        <translation>El registro de viajes %1 lo escribió una versión más reciente de Brindlewick. Esta versión lo muestra en solo lectura y no lo modifica.</translation>
    </message>
    <message>
        <source>The trip log cannot be opened: %1 Changes to trips are not kept.</source>
        <translation>No se puede abrir el registro de viajes: %1 Los cambios de viajes no se guardan.</translation>
    </message>
    <message>
        <source>The trip log %1 is damaged and could not be set aside; it was left unchanged and changes to trips are not kept.</source>
        <translation>El registro de viajes %1 está dañado y no se pudo apartar; queda sin cambios y los cambios de viajes no se guardan.</translation>
    </message>
    <message>
        <source>The trip log %1 was set aside as %2, and a new one cannot be made: %3</source>
        <translation>El registro de viajes %1 se apartó como %2, y no se puede crear uno nuevo: %3</translation>
    </message>
    <message>
        <source>The trips could not be moved into the trip log: %1 Changes to trips are not kept.</source>
        <translation>No se pudieron pasar los viajes al registro: %1 Los cambios de viajes no se guardan.</translation>
    </message>
    <message>
        <source>Lines of the trips file %1 that could not be read: %2. The file was set aside unchanged as %3. Trips recovered: %4.</source>
        <translation>Líneas ilegibles del archivo de viajes %1: %2. El archivo se apartó sin cambios como %3. Viajes recuperados: %4.</translation>
    </message>
    <message>
        <source>The settings file %1 had lines that could not be read. A copy was kept unchanged as %2. Trips recovered: %3.</source>
        <translation>El archivo de configuración %1 tenía líneas ilegibles. Se guardó una copia sin cambios como %2. Viajes recuperados: %3.</translation>
    </message>
    <message>
        <source>The stored log has %1 trips; the first %2 were loaded.</source>
        <translation>El registro guardado tiene %1 viajes; se cargaron los %2 primeros.</translation>
    </message>
    <message>
        <source>The trip log is being written by brindlewick-report. This window shows it read-only; changes to trips are not kept here.</source>
        <translation>brindlewick-report está escribiendo el registro de viajes. Esta ventana lo muestra en solo lectura; aquí los cambios de viajes no se guardan.</translation>
    </message>
    <message>
        <source>Its write-ahead file %1 is damaged and could not be set aside. %2</source>
        <translation>Su archivo de escritura anticipada %1 está dañado y no se pudo apartar. %2</translation>
    </message>
    <message>
        <source>The last changes to the trip log could not be applied: its write-ahead file %1, last written %2, is damaged. Changes that could not be applied: %3. The log is shown as it was before them. The log, its write-ahead file and index were set aside unchanged as %4.</source>
        <translation>No se pudieron aplicar los últimos cambios del registro de viajes: su archivo de escritura anticipada %1, escrito por última vez el %2, está dañado. Cambios que no se pudieron aplicar: %3. El registro se muestra como estaba antes de ellos. El registro, su archivo de escritura anticipada y su índice se apartaron sin cambios como %4.</translation>
    </message>
    <message>
        <source>A recovery of the trip log begun at an earlier start did not finish; it was made again.</source>
        <translation>Una recuperación del registro de viajes empezada en un inicio anterior no terminó; se hizo de nuevo.</translation>
    </message>
    <message>
        <source>The trip log %1 could not be read whole (%2). It was set aside unchanged as %3. Trips recovered into a new log: %4 of %5.</source>
        <translation>El registro de viajes %1 no se pudo leer entero (%2). Se apartó sin cambios como %3. Viajes recuperados en un registro nuevo: %4 de %5.</translation>
    </message>
    <message>
        <source>The trip log %1 could not be read whole (%2). It was set aside unchanged as %3. Trips recovered into a new log: %4 (how many it held could not be read).</source>
        <translation>El registro de viajes %1 no se pudo leer entero (%2). Se apartó sin cambios como %3. Viajes recuperados en un registro nuevo: %4 (no se pudo leer cuántos contenía).</translation>
    </message>
    <message>
        <source>The trip log %1 cannot be written: %2 This window shows it read-only; changes to trips are not kept.</source>
        <translation>No se puede escribir el registro de viajes %1: %2 Esta ventana lo muestra en solo lectura; los cambios de viajes no se guardan.</translation>
    </message>
</context>
</TS>
