import com.zeta.kz.topology.KivParserNative;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.Objects;

/**
 * Loads libkivparser into this JVM and calls both native methods against a
 * scratch installation that it builds below the directory it is given:
 * symbol registration files, a bitmap tree and the style sheet template.
 * The environment (set by run-jvm-check.sh) points the library at it:
 * KZ_PATH=root/kz-\u00e9, KIvSymDir=root/symbols, KZwwwBitmapDir=root/bitmaps,
 * KZ_WEB_PORT=8181.
 *
 * usage: KivParserNativeJvmCheck library root hostname
 */
public final class KivParserNativeJvmCheck {
    private static int failures = 0;

    private static void check(boolean ok, String what) {
        System.out.println((ok ? "ok      " : "FAILED  ") + what);
        failures += ok ? 0 : 1;
    }

    private static void checkEquals(Object expected, Object actual, String what) {
        check(Objects.equals(expected, actual), what);
        if (!Objects.equals(expected, actual)) {
            System.out.println("        expected: " + expected + "\n        actual:   " + actual);
        }
    }

    private static void checkContains(String text, String part, String what) {
        check(text != null && text.contains(part), what + " (" + part + ")");
    }

    private static void write(Path file, String text) throws IOException {
        Files.createDirectories(file.getParent());
        Files.write(file, text.getBytes(StandardCharsets.UTF_8));
    }

    public static void main(String[] args) throws Exception {
        System.load(args[0]);
        Path root = Paths.get(args[1]);
        String base = "http://" + args[2] + ":8181";
        Path styleDir = root.resolve("kz-\u00e9/www/htdocs/C/dynamicViews");
        Path styleSheet = styleDir.resolve("dvStyleV7.xml");
        Path template = styleDir.resolve("dvStyle.xml.template");
        String styleUrl = base + "/KzDocs/C/dynamicViews/dvStyleV7.xml";
        String unknownIcon = base + "/KzDocs/bitmaps/C/connector/unknownrouter.50.gif";

        // Before anything is installed: the template is missing; the message
        // comes through with the non-ASCII directory name intact.
        Files.createDirectories(styleDir);
        KivParserNative.errMsg = "untouched";
        checkEquals(null, KivParserNative.getStyleXMLURLandCreateIfNeeded(false, "de"),
                "missing template: no URL");
        checkEquals("Could not open template file \"" + template + "\": No such file or directory",
                KivParserNative.errMsg, "missing template: errMsg");
        check(!Files.exists(styleSheet), "missing template: no style sheet");

        // Nothing registered yet: every icon is the default one.
        checkEquals(unknownIcon, KivParserNative.getIconUrl("Computer:Workstation"), "icon before install");

        // The installation.
        write(root.resolve("symbols/C/computers"),
                "SymbolClass \"Computer\" { Variety icon; }\n"
                + "SymbolType \"Computer\" : \"Workstation\" { FileBase \"workstation\"; }\n"
                + "SymbolType \"Computer\" : \"Laptop\" { FileBase \"laptop\"; }\n"
                + "SymbolClass \"Cable\" { Variety connection; }\n"
                + "SymbolType \"Cable\" : \"Fiber\" { FileBase \"fiber\"; }\n");
        for (String bitmap : new String[] {"computer/workstation.20.gif", "computer/workstation.50.gif",
                "computer/workstation.70.gif", "computer/laptop.16.gif", "computer/laptop.32.gif",
                "connector/fiber.50.gif"}) {
            write(root.resolve("bitmaps/C/" + bitmap), "GIF89a");
        }
        write(template,
                "<?xml version=\"1.0\"?>\n"
                + "<!-- INSERT DATE -->\n"
                + "<StyleSheet base=\"__BASEURL__/KzDocs\">\n"
                + "<!-- INSERT SYMBOLS -->\n"
                + "</StyleSheet>\n");

        // A successful generation.
        KivParserNative.errMsg = "untouched";
        checkEquals(styleUrl, KivParserNative.getStyleXMLURLandCreateIfNeeded(false, "de"),
                "generation: URL of the C style sheet");
        checkEquals("", KivParserNative.errMsg, "generation: errMsg empty");
        String sheet = Files.exists(styleSheet)
                ? new String(Files.readAllBytes(styleSheet), StandardCharsets.UTF_8) : null;
        check(sheet != null && sheet.startsWith("<?xml version=\"1.0\"?>\n<!--\nGenerated on\n  "),
                "generation: date comment");
        checkContains(sheet, "<StyleSheet base=\"" + base + "/KzDocs\">\n", "generation: base URL");
        checkContains(sheet, "\t<NodeStyle id=\"Computer:Workstation\">\n\t\t<Image sizes=\"50,70\" uri=\""
                + base + "/KzDocs/bitmaps/C/computer/workstation.gif\"/>\n", "generation: Workstation image");
        check(sheet != null && !sheet.contains("Cable"), "generation: no connection class");
        check(sheet != null && sheet.endsWith("</StyleSheet>\n"), "generation: template end copied");

        // The file exists: without force it is left as it is.
        write(styleSheet, "edited by hand\n");
        checkEquals(styleUrl, KivParserNative.getStyleXMLURLandCreateIfNeeded(false, null),
                "present file: URL");
        checkEquals("edited by hand\n", new String(Files.readAllBytes(styleSheet), StandardCharsets.UTF_8),
                "present file: untouched");

        // Icons, from the registration the generation cached.
        checkEquals(base + "/KzDocs/bitmaps/C/computer/workstation.70.gif",
                KivParserNative.getIconUrl("Computer:Workstation"), "icon: largest size");
        checkEquals(base + "/KzDocs/bitmaps/C/computer/laptop.32.gif",
                KivParserNative.getIconUrl("Computer:Laptop"), "icon: 32 and 16");
        checkEquals(unknownIcon, KivParserNative.getIconUrl("Cable:Fiber"), "icon: connection class");
        checkEquals(unknownIcon, KivParserNative.getIconUrl(null), "icon: null");

        // Four threads at once, as a web server calls: every answer as from one
        // thread, and the style sheet whole at the end.
        String workstation = base + "/KzDocs/bitmaps/C/computer/workstation.70.gif";
        String[] problems = new String[4];
        Thread[] threads = new Thread[problems.length];
        for (int t = 0; t < threads.length; t++) {
            final int me = t;
            threads[t] = new Thread(() -> {
                for (int round = 0; round < 5 && problems[me] == null; round++) {
                    String url = KivParserNative.getStyleXMLURLandCreateIfNeeded(true, "C");
                    String icon = KivParserNative.getIconUrl("Computer:Workstation");
                    if (!styleUrl.equals(url) || !workstation.equals(icon)) {
                        problems[me] = url + " " + icon;
                    }
                }
            });
            threads[t].start();
        }
        for (Thread thread : threads) {
            thread.join();
        }
        for (int t = 0; t < problems.length; t++) {
            checkEquals(null, problems[t], "thread " + t + ": same answers as one thread");
        }
        sheet = new String(Files.readAllBytes(styleSheet), StandardCharsets.UTF_8);
        check(sheet.endsWith("</StyleSheet>\n") && sheet.contains("Computer:Workstation"),
                "threads: style sheet whole");

        // A forced generation that fails: the template is gone again.
        Files.delete(template);
        KivParserNative.errMsg = "untouched";
        checkEquals(null, KivParserNative.getStyleXMLURLandCreateIfNeeded(true, "C"), "forced, no template: null");
        checkEquals("Could not open template file \"" + template + "\": No such file or directory",
                KivParserNative.errMsg, "forced, no template: errMsg");

        if (failures > 0) {
            System.out.println(failures + " check(s) failed");
            System.exit(1);
        }
        System.out.println("all checks passed");
    }
}
