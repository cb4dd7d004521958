import com.zeta.kz.topology.KivParserNative;

/**
 * A Java host of the two native methods: generates the style sheet of the
 * dynamic views and asks for the icon URLs of a few symbol types.
 *
 * <pre>
 * javac -cp PREFIX/share/java/kivparser.jar StyleSheet.java
 * java -cp PREFIX/share/java/kivparser.jar:. -Djava.library.path=PREFIX/lib StyleSheet Class:Type...
 * </pre>
 */
public final class StyleSheet {
    private StyleSheet() {
    }

    public static void main(String[] args) {
        System.loadLibrary("kivparser");
        String url = KivParserNative.getStyleXMLURLandCreateIfNeeded(true, "C");
        if (url == null) {
            System.err.println("StyleSheet: " + KivParserNative.errMsg);
            System.exit(1);
        }
        System.out.println("style sheet: " + url);
        for (String symbol : args) {
            System.out.println(symbol + ": " + KivParserNative.getIconUrl(symbol));
        }
    }
}
